// A window-coloured panel over a dialog's static control: system icon, bold title and a
// word-wrapped paragraph in 12-pixel type.
#pragma once

#include <windows.h>

#include <string>

#include "handover/paragraph.h"

namespace handover {

class CMessagePanel {
 public:
  CMessagePanel();
  ~CMessagePanel();
  CMessagePanel(const CMessagePanel&) = delete;
  CMessagePanel& operator=(const CMessagePanel&) = delete;

  // Takes over the painting of the dialog's control (once; later calls do nothing).
  void Bind(HWND dialog, int controlId);
  void SetTitle(const std::string& title);
  void SetText(const std::string& text);
  // 0: no icon; otherwise the system's predefined icon with that number.
  void SetIcon(unsigned number);

  HWND Hwnd() const { return hwnd_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void Invalidate() const;

  HFONT boldFont_;
  HFONT normalFont_;
  std::string title_;
  int textIndent_ = 50;
  int margin_ = 5;
  HICON icon_ = nullptr;
  CParagraph paragraph_;
  HWND hwnd_ = nullptr;
  WNDPROC previousProc_ = nullptr;
};

}  // namespace handover
