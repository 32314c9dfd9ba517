#include "tests/support/message_box_answerer.h"

#include "tests/support/ui_driver.h"

namespace vrui {

MessageBoxAnswerer::MessageBoxAnswerer(std::string caption, std::vector<int> presses)
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

DWORD WINAPI MessageBoxAnswerer::Watch(void* context) {
  MessageBoxAnswerer* self = static_cast<MessageBoxAnswerer*>(context);
  while (WaitForSingleObject(self->stop_, 20) == WAIT_TIMEOUT) {
    HWND box = FindTopLevel(self->caption_, GetCurrentProcessId());
    if (!box) continue;
    SeenMessageBox seen;
    seen.text = MessageBoxText(box);
    seen.owner = GetWindow(box, GW_OWNER);
    seen.hasOk = HasButton(box, IDOK);
    seen.hasRetry = HasButton(box, IDRETRY);
    seen.hasCancel = HasButton(box, IDCANCEL);
    EnterCriticalSection(&self->lock_);
    std::size_t index = self->seen_.size();
    seen.pressed = index < self->presses_.size() ? self->presses_[index] : IDCANCEL;
    self->seen_.push_back(seen);
    LeaveCriticalSection(&self->lock_);
    PressButton(box, seen.pressed);
    // The next box may reuse the handle: look again only once this one is gone.
    while (IsWindow(box) && IsWindowVisible(box) &&
           WaitForSingleObject(self->stop_, 20) == WAIT_TIMEOUT) {
    }
  }
  return 0;
}

}  // namespace vrui
