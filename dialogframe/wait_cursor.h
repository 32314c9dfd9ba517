// The hourglass for the lifetime of a scope (every way out restores the previous cursor).
#pragma once

#include <windows.h>

namespace dialogframe {

class CWaitCursor {
 public:
  CWaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~CWaitCursor() { SetCursor(previous_); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace dialogframe
