#include "supportmail/supportmail_dialog.h"

#include <windows.h>
#include <mapi.h>

#include <string>
#include <vector>

#include "dialogframe/frame_app.h"
#include "dialogframe/wait_cursor.h"
#include "installenv/installenv.h"
#include "supportmail/support_mail.h"
#include "supportmail/supportmail_constants.h"
#include "supportmail/supportmail_resource.h"

namespace supportmail {
namespace {

// Opens the file for reading without sharing and closes it again: no other process may have
// it open at this moment. Reads nothing.
bool CanOpenAlone(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// The mail library, released on every way out of the send procedure.
class MailLibrary {
 public:
  MailLibrary() : module_(LoadLibraryA(kMailLibrary)) {}
  ~MailLibrary() { Release(); }
  void Release() {
    if (module_ != nullptr) FreeLibrary(module_);
    module_ = nullptr;
  }
  MailLibrary(const MailLibrary&) = delete;
  MailLibrary& operator=(const MailLibrary&) = delete;
  bool Loaded() const { return module_ != nullptr; }
  LPMAPISENDMAIL SendMail() const {
    return reinterpret_cast<LPMAPISENDMAIL>(reinterpret_cast<void*>(GetProcAddress(module_, kSendMailEntry)));
  }

 private:
  HMODULE module_;
};

}  // namespace

CSupportMailDialog::CSupportMailDialog() : CFrameDialog(IDD_MAIN_DIALOG, nullptr, kAboutAndIcon) {}

void CSupportMailDialog::DoDataExchange(dialogframe::CDataExchange& dx) {
  dialogframe::ExchangeCheck(dx, IDC_SEND_LOG, sendLog_);
}

void CSupportMailDialog::OnOK() {
  UpdateData(true);
  dialogframe::CWaitCursor wait;

  MailLibrary library;
  if (!library.Loaded()) {
    dialogframe::AppMessageBox(IDS_FRAME_MAPI_LOAD_FAILED);
    return;
  }
  LPMAPISENDMAIL sendMail = library.SendMail();
  if (sendMail == nullptr) {
    dialogframe::AppMessageBox(IDS_FRAME_MAPI_INVALID_DLL);
    return;
  }

  char folder[kFolderBufferSize] = {};
  installenv::GetCtrlFolder(folder, kFolderLookupSize);  // result not examined
  const std::string settingsPath = SettingsPathIn(folder);
  char dataFolder[kFolderBufferSize] = {};
  std::string logPath;
  if (installenv::GetDataFolder(dataFolder, kFolderLookupSize) == 0) {
    sendLog_ = 0;
  } else {
    logPath = LogPathIn(dataFolder);
  }

  if (!CanOpenAlone(settingsPath)) {
    dialogframe::AppMessageBox(WithPath(kSettingsCannotBeOpened, settingsPath).c_str());
    return;
  }
  if (sendLog_ != 0 && !CanOpenAlone(logPath)) {
    dialogframe::AppMessageBox(WithPath(kLogCannotBeSent, logPath).c_str());
    sendLog_ = 0;
  }

  const SupportMail mail = ComposeSupportMail(settingsPath, sendLog_ != 0 ? &logPath : nullptr);
  std::vector<MapiFileDesc> files(mail.attachments.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    files[i].nPosition = mail.attachments[i].position;
    files[i].lpszPathName = const_cast<char*>(mail.attachments[i].path.c_str());
    files[i].lpszFileName = const_cast<char*>(mail.attachments[i].fileName.c_str());
  }
  MapiRecipDesc recipient = {};
  recipient.ulRecipClass = MAPI_TO;
  recipient.lpszName = const_cast<char*>(mail.recipientName.c_str());
  recipient.lpszAddress = const_cast<char*>(mail.recipientAddress.c_str());
  MapiMessage message = {};
  message.lpszSubject = const_cast<char*>(mail.subject.c_str());
  message.lpszNoteText = const_cast<char*>(mail.note.c_str());
  message.nRecipCount = 1;
  message.lpRecips = &recipient;
  message.nFileCount = static_cast<ULONG>(files.size());
  message.lpFiles = files.data();

  // The mail program's windows are owned by this dialog (a top-level window, so taking it as
  // the owner disables no other window); it holds the mouse and gives up the keyboard meanwhile.
  HWND self = Hwnd();
  SetCapture(self);
  SetFocus(nullptr);
  SetStayDisabled(true);
  const ULONG result = sendMail(0, reinterpret_cast<ULONG_PTR>(self), &message, kSendFlags, 0);
  Sleep(kSettleMs);
  ReleaseCapture();
  SetStayDisabled(false);
  EnableWindow(self, TRUE);
  SetActiveWindow(nullptr);
  SetActiveWindow(self);
  SetFocus(self);

  if (!IsSilentResult(result)) dialogframe::AppMessageBox(IDS_FRAME_MAPI_SEND_FAILED);
  library.Release();
  CFrameDialog::OnOK();
}

}  // namespace supportmail
