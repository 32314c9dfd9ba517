#include "formsave/formsave_dialog.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "formsave/command_line_scan.h"
#include "formsave/formsave_resource.h"
#include "formsave/list_file.h"
#include "installenv/installenv.h"

namespace formsave {

CFormSaveDialog::CFormSaveDialog() : CFrameDialog(IDD_MAIN_DIALOG) {}

void CFormSaveDialog::DoDataExchange(dialogframe::CDataExchange& dx) {
  dialogframe::BindControl(dx, IDC_DOCUMENT_NAME, nameEdit_);
}

bool CFormSaveDialog::ValidateDocument() {
  char argument[kPathSize];
  if (ScanDocumentArgument(commandLine_, argument) == 0) return false;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(argument, &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  std::memcpy(documentPath_, argument, sizeof documentPath_);
  return true;
}

bool CFormSaveDialog::OnInitDialog() {
  CFrameDialog::OnInitDialog();
  if (!ValidateDocument()) {
    EndDialog(IDCANCEL);
    return false;
  }
  SetWindowTextA(nameEdit_, kDefaultDocumentName);
  return true;
}

void CFormSaveDialog::Register() {
  const UINT broadcast = RegisterWindowMessageA(kBroadcastMessageName);
  char name[kNameSize] = {};
  GetWindowTextA(nameEdit_, name, sizeof name);
  char folder[kListPathSize] = {};
  installenv::GetDataFolder(folder, kPathSize);  // result not examined: "" gives "\send.lnk"

  // List paths that would not fit a path end the registration as if no document had been
  // named: nothing written, nothing posted.
  const std::size_t longest = std::strlen(folder) + 1 + sizeof kNameListName - 1;
  if (longest > kMaxPathLength) return;
  char pathList[kListPathSize];
  char nameList[kListPathSize];
  wsprintfA(pathList, kListPathFormat, folder, kPathListName);
  wsprintfA(nameList, kListPathFormat, folder, kNameListName);

  AppendListLine(pathList, documentPath_);
  if (AppendListLine(nameList, name)) PostMessageA(HWND_BROADCAST, broadcast, kBroadcastWParam, 0);
}

void CFormSaveDialog::OnOK() {
  Register();
  std::memset(documentPath_, 0, sizeof documentPath_);  // the document stays on disk
  CFrameDialog::OnOK();
}

void CFormSaveDialog::OnDestroy() {
  if (documentPath_[0] != '\0') {
    DeleteFileA(documentPath_);  // result not examined
    std::memset(documentPath_, 0, sizeof documentPath_);
  }
}

}  // namespace formsave
