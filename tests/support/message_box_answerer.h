// Meets message boxes that the code under test shows on the test's own thread, as a user
// would: a watcher thread finds each box of this process with a given caption (through
// ui_driver.h), notes its text, buttons and owner, and presses the next button of a script.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vrui {

struct SeenMessageBox {
  std::string text;  // code page 932, as the box shows it
  HWND owner = nullptr;
  bool hasOk = false, hasRetry = false, hasCancel = false;
  int pressed = 0;  // IDOK, IDRETRY, IDCANCEL
};

class MessageBoxAnswerer {
 public:
  // caption in code page 932; presses: the buttons to press, one per box, in order; boxes
  // beyond the script get Cancel.
  MessageBoxAnswerer(std::string caption, std::vector<int> presses);
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  // The boxes met so far (call after the code that shows them has returned).
  std::vector<SeenMessageBox> Seen() const;

 private:
  static DWORD WINAPI Watch(void* self);

  std::string caption_;
  std::vector<int> presses_;
  std::vector<SeenMessageBox> seen_;
  mutable CRITICAL_SECTION lock_;
  HANDLE stop_ = nullptr;
  HANDLE thread_ = nullptr;
};

}  // namespace vrui
