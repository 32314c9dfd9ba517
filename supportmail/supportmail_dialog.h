// supportmail's main dialog: hands the settings file (and on request the communication log) to
// the user's mail program through Simple MAPI.
#pragma once

#include "dialogframe/frame_dialog.h"

namespace supportmail {

class CSupportMailDialog : public dialogframe::CFrameDialog {
 public:
  CSupportMailDialog();

 protected:
  void DoDataExchange(dialogframe::CDataExchange& dx) override;
  void OnOK() override;  // the send procedure

 private:
  int sendLog_ = 0;  // check box 1001; cleared when the log cannot be attached
};

}  // namespace supportmail
