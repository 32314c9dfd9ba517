// Meets message boxes as a user would: a watcher thread finds each box of this process with a
// given caption, notes its text, buttons and owner, and presses the next button of a script.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vrtest {

struct SeenMessageBox {
  std::wstring text;
  HWND owner = nullptr;
  bool hasOk = false, hasRetry = false, hasCancel = false;
  int pressed = 0;  // IDOK, IDRETRY, IDCANCEL
};

class MessageBoxAnswerer {
 public:
  // presses: the buttons to press, one per box, in order; boxes beyond the script get Cancel.
  MessageBoxAnswerer(std::wstring caption, std::vector<int> presses);
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  // The boxes met so far (call after the code that shows them has returned).
  std::vector<SeenMessageBox> Seen() const;

 private:
  static DWORD WINAPI Watch(void* self);
  HWND FindBox() const;

  std::wstring caption_;
  std::vector<int> presses_;
  std::vector<SeenMessageBox> seen_;
  mutable CRITICAL_SECTION lock_;
  HANDLE stop_ = nullptr;
  HANDLE thread_ = nullptr;
};

}  // namespace vrtest
