#include "printhook/hand_off.h"

#include <string>

#include "printhook/ask_with_pauses.h"
#include "printhook/hand_off_area.h"
#include "printhook/hook_constants.h"
#include "printhook/hook_state.h"

namespace printhook {

namespace {

// The fax programs read code page 932 texts; the texts of the hook are UTF-16.
std::string ToAnsi(const wchar_t* text, int maxChars) {
  int length = 0;
  while (length < maxChars && text[length]) ++length;
  if (length == 0) return std::string();
  int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string result(bytes > 0 ? bytes : 0, '\0');
  if (bytes > 0) WideCharToMultiByte(CP_ACP, 0, text, length, &result[0], bytes, nullptr, nullptr);
  return result;
}

template <int N>
std::string ToAnsi(const wchar_t (&text)[N]) { return ToAnsi(text, N); }
template <int N>
std::string ToAnsi(const char16_t (&text)[N]) { return ToAnsi(Wide(text), N); }

void Pause() { Sleep(PauseMilliseconds()); }

HWND FindByClass(const char16_t* className) { return FindWindowW(Wide(className), nullptr); }

bool Ask(HWND window, UINT message) { return SendMessageW(window, message, 0, 0) != 0; }

void ShowStartError(HWND owner, DWORD error) {
  wchar_t text[1100];
  wsprintfW(text, Wide(kStartErrorFormat), g_hook.SenderPath, static_cast<int>(error));
  MessageBoxW(owner, text, Wide(kDriverBoxCaption), MB_OK | MB_ICONERROR);
}

// The sender says it is busy: the user closes what keeps it busy and retries, or cancels.
bool UserRetries(HWND owner) {
  wchar_t text[256];
  LoadHookString(IDS_SENDER_BUSY, text, 256);
  if (owner) SetForegroundWindow(owner);
  return MessageBoxW(owner, text, Wide(kDriverBoxCaption), MB_RETRYCANCEL | MB_ICONWARNING) ==
         IDRETRY;
}

}  // namespace

void NotifyFileOutput() {
  std::string path = ToAnsi(g_hook.Header.OutputPath);
  if (path.empty()) path = ToAnsi(g_hook.KeptOutputFile);
  if (path.empty()) return;
  // A path that does not fit the area is not announced at all rather than cut.
  if (!ComposeHandOffArea(path, std::string(), g_hook.HandOffView, kHandOffSize)) return;
  if (HWND master = FindByClass(kMasterWindowClass)) {
    SendMessageW(master, kMasterFileOutput, 0, 0);
    AskWithPauses([&] { return Ask(master, kMasterFileTaken); }, Pause, kMasterPauses);
  }
  g_hook.HandOffView[0] = 0;
  g_hook.HandOffView[1] = 0;
}

bool HandOffToSender(HWND owner) {
  HWND sender = FindByClass(kSenderWindowClass);
  g_hook.SenderWindow = sender;
  if (sender) {
    SetForegroundWindow(sender);
  } else {
    bool running = false;
    if (HWND master = FindByClass(kMasterWindowClass)) {
      SendMessageW(master, kMasterStartSender, 0, 0);
      running = AskWithPauses([&] { return Ask(master, kMasterSenderRunning); }, Pause,
                              kMasterPauses);
    }
    DWORD error = 0;
    if (!running && !StartSender(&error)) {
      ShowStartError(owner, error);
      return false;
    }
    AskWithPauses([&] { return (sender = FindByClass(kSenderWindowClass)) != nullptr; }, Pause,
                  kSenderWindowPauses);
    g_hook.SenderWindow = sender;
    if (!sender) return false;
  }

  // The sender must get the whole path or nothing: a path that does not fit gives up.
  if (!ComposeHandOffArea(ToAnsi(g_hook.OutputFile), ToAnsi(g_hook.Header.DocumentName),
                          g_hook.HandOffView, kHandOffSize)) {
    return false;
  }
  while (SendMessageW(sender, kSenderMessage, kSenderCanTake, 0) == 0) {
    if (!UserRetries(owner)) return false;
  }
  SendMessageW(sender, kSenderMessage, kSenderGoAhead, 0);
  if (g_hook.IdleEvent) SetEvent(g_hook.IdleEvent);
  return true;
}

void SendAbortNotice() {
  if (g_hook.SenderWindow) SendMessageW(g_hook.SenderWindow, kSenderMessage, kSenderJobAborted, 0);
}

}  // namespace printhook
