#include "handover/handover_dlg.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "dialogframe/frame_resource.h"
#include "handover/destination_paths.h"
#include "handover/folder_copy.h"
#include "handover/handover_resource.h"
#include "handover/handover_texts.h"
#include "handover/path_tests.h"

namespace handover {

namespace {

bool FolderExistsOrMade(FileSystem& fs, const char* path) {
  return IsFolder(fs, path) || fs.CreateFolder(path);
}

}  // namespace

CHandoverDlg::CHandoverDlg() : CFrameDialog(IDD_MAIN_DIALOG, nullptr, kAboutAndIcon) {}

void CHandoverDlg::DoDataExchange(dialogframe::CDataExchange& dx) { panel_.Bind(dx.Dialog(), IDC_MESSAGE_PANEL); }

void CHandoverDlg::ShowError(const char* text) const { MessageBoxA(Hwnd(), text, kToolTitle, MB_OK | MB_ICONSTOP); }

const char* CHandoverDlg::CheckOlderInstallation() {
  if (!FindSettingsFile(fs_, kSettingsFileName, settingsFile_)) return kNoOlderInstallation;
  GetPrivateProfileStringA(kPathSection, kOlderFolderKey, "", olderFolder_, kMaxPath, kSettingsFileName);
  if (olderFolder_[0] == '\0') return kNoOlderInstallation;
  RemoveTrailingBackslash(olderFolder_);
  if (!IsFolder(fs_, olderFolder_)) return kNoOlderInstallation;
  char transmit[kBuiltPathSize];
  if (!JoinPath(transmit, olderFolder_, kTransmitFolder)) return kNoOlderInstallation;
  std::memcpy(olderTransmitFolder_, transmit, sizeof olderTransmitFolder_);
  if (!IsFolder(fs_, olderTransmitFolder_)) return kNoOlderInstallation;
  return nullptr;
}

const char* CHandoverDlg::CheckComputerName() {
  DWORD size = sizeof computerName_;
  return GetComputerNameA(computerName_, &size) ? nullptr : kNoComputerName;
}

const char* CHandoverDlg::CheckServerShare() {
  if (GetPrivateProfileIntA(kServerSection, kUseServerKey, 0, settingsFile_) == 0) return kNoSharedFolder;
  GetPrivateProfileStringA(kServerSection, kServerNameKey, "", serverName_, kMaxPath, settingsFile_);
  if (serverName_[0] == '\0') return kNoSharedFolder;
  char probe[kBuiltPathSize];
  if (!ComposeProbePath(serverName_, probe)) return kNoSharedFolder;
  return PathExists(fs_, probe) ? nullptr : kNoSharedFolder;
}

bool CHandoverDlg::OnInitDialog() {
  CFrameDialog::OnInitDialog();
  panel_.SetIcon(kQuestionIcon);
  panel_.SetTitle(kConsentTitle);
  panel_.SetText(ConsentText());
  const char* failure = CheckOlderInstallation();
  if (!failure) failure = CheckComputerName();
  if (!failure) failure = CheckServerShare();
  if (!failure) return true;
  ShowError(failure);
  EndDialog(IDCANCEL);
  return false;
}

int CHandoverDlg::CopyToServer() {
  char base[kBuiltPathSize], dest[kBuiltPathSize];
  if (!ComposeDestination(serverName_, computerName_, base, dest) || !FolderExistsOrMade(fs_, base) ||
      !FolderExistsOrMade(fs_, dest)) {
    ShowError(kNoDestinationFolder);
    return 0;
  }
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  char source[kPathRecordSize];
  std::memcpy(source, olderTransmitFolder_, sizeof source);
  const int result = CopyFolderTree(fs_, dest, source, COPY_MODE_OVERWRITE, nullptr, 1);
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  if (result != COPY_OK) {
    ShowError(kCopyFailed);
    return 0;
  }
  return 1;
}

void CHandoverDlg::OnOK() {
  if (CopyToServer() == 1) {
    ShowWindow(Hwnd(), SW_HIDE);
    CCopyDoneDlg done;
    done.DoModal();
  }
  CFrameDialog::OnOK();
}

}  // namespace handover
