// formsave's main dialog: validates the document named on the command line, asks for its name,
// registers it in the two list files on OK and deletes it on every other ending.
#pragma once

#include "dialogframe/frame_dialog.h"
#include "formsave/formsave_constants.h"

namespace formsave {

class CFormSaveDialog : public dialogframe::CFrameDialog {
 public:
  CFormSaveDialog();
  // The command line after the program name (not owned); set before DoModal.
  void SetCommandLine(const char* commandLine) { commandLine_ = commandLine; }

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void OnDestroy() override;
  void DoDataExchange(dialogframe::CDataExchange& dx) override;

 private:
  bool ValidateDocument();
  void Register();

  const char* commandLine_ = nullptr;
  char documentPath_[kPathSize] = {};  // not empty exactly while a document is pending
  HWND nameEdit_ = nullptr;
};

}  // namespace formsave
