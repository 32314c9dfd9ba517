#include "tests/support/message_box_answerer.h"

namespace vrtest {

namespace {

struct Search {
  const std::wstring* caption;
  HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM context) {
  Search* search = reinterpret_cast<Search*>(context);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  wchar_t className[16] = {}, caption[128] = {};
  GetClassNameW(window, className, 16);
  GetWindowTextW(window, caption, 128);
  if (std::wstring(className) == L"#32770" && *search->caption == caption) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// A message box's text is the static control with the most text (its icon is a static too).
BOOL CALLBACK LongestStatic(HWND child, LPARAM context) {
  std::wstring* text = reinterpret_cast<std::wstring*>(context);
  wchar_t className[16] = {}, buffer[1024] = {};
  GetClassNameW(child, className, 16);
  if (lstrcmpiW(className, L"Static") == 0) {
    GetWindowTextW(child, buffer, 1024);
    if (lstrlenW(buffer) > static_cast<int>(text->size())) *text = buffer;
  }
  return TRUE;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(std::wstring caption, std::vector<int> presses)
    : caption_(std::move(caption)), presses_(std::move(presses)) {
  InitializeCriticalSection(&lock_);
  stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  thread_ = CreateThread(nullptr, 0, &MessageBoxAnswerer::Watch, this, 0, nullptr);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  SetEvent(stop_);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  CloseHandle(stop_);
  DeleteCriticalSection(&lock_);
}

std::vector<SeenMessageBox> MessageBoxAnswerer::Seen() const {
  EnterCriticalSection(&lock_);
  std::vector<SeenMessageBox> copy = seen_;
  LeaveCriticalSection(&lock_);
  return copy;
}

HWND MessageBoxAnswerer::FindBox() const {
  Search search = {&caption_, nullptr};
  EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

DWORD WINAPI MessageBoxAnswerer::Watch(void* context) {
  MessageBoxAnswerer* self = static_cast<MessageBoxAnswerer*>(context);
  while (WaitForSingleObject(self->stop_, 20) == WAIT_TIMEOUT) {
    HWND box = self->FindBox();
    if (!box) continue;
    SeenMessageBox seen;
    EnumChildWindows(box, LongestStatic, reinterpret_cast<LPARAM>(&seen.text));
    seen.owner = GetWindow(box, GW_OWNER);
    seen.hasOk = GetDlgItem(box, IDOK) != nullptr;
    seen.hasRetry = GetDlgItem(box, IDRETRY) != nullptr;
    seen.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
    EnterCriticalSection(&self->lock_);
    std::size_t index = self->seen_.size();
    seen.pressed = index < self->presses_.size() ? self->presses_[index] : IDCANCEL;
    self->seen_.push_back(seen);
    LeaveCriticalSection(&self->lock_);
    HWND button = GetDlgItem(box, seen.pressed);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(seen.pressed, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    // Wait for the box to go before looking for the next one.
    while (IsWindow(box) && WaitForSingleObject(self->stop_, 20) == WAIT_TIMEOUT) {
    }
  }
  return 0;
}

}  // namespace vrtest
