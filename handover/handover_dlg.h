// The consent dialog: confirms the older installation and the server share at start, and copies
// the transmit data to the server on "yes".
#pragma once

#include "dialogframe/frame_dialog.h"
#include "handover/message_panel.h"
#include "handover/path_scan.h"
#include "handover/win32_file_system.h"

namespace handover {

class CHandoverDlg : public dialogframe::CFrameDialog {
 public:
  CHandoverDlg();

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void DoDataExchange(dialogframe::CDataExchange& dx) override;

 private:
  // Each returns the message to show, or null when the step passed.
  const char* CheckOlderInstallation();
  const char* CheckComputerName();
  const char* CheckServerShare();
  int CopyToServer();
  void ShowError(const char* text) const;

  Win32FileSystem fs_;
  CMessagePanel panel_;
  char settingsFile_[kPathRecordSize] = {};
  char olderFolder_[kPathRecordSize] = {};
  char olderTransmitFolder_[kPathRecordSize] = {};
  char serverName_[kPathRecordSize] = {};
  char computerName_[40] = {};
};

// The finish dialog: tells the user to contact the server's administrator.
class CCopyDoneDlg : public dialogframe::CFrameDialog {
 public:
  CCopyDoneDlg();

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(dialogframe::CDataExchange& dx) override;

 private:
  CMessagePanel panel_;
};

}  // namespace handover
