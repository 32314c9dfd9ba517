// A modal dialog from a template, with the frame's conventions:
//   - a template at position (0,0) is centred (over its owner, else on the screen);
//   - Enter presses the id-1 button (OnOK), Esc, the close box and Alt+F4 cancel (OnCancel);
//   - the Help command (57670) and F1 go to the application's help handler;
//   - kAboutAndIcon: the main dialog of a tool with an About box. The constructor loads icon
//     128; OnInitDialog appends the About entry (string 101, command 16) to the system menu and
//     sets the icon; system command 16..31 runs About box 100; the icon is painted centred
//     while minimised and answers the drag-icon query.
//
// Derive, override the hooks, call the base versions where default behaviour is wanted:
//
//   class CToolDialog : public dialogframe::CFrameDialog {
//    public:
//     CToolDialog() : CFrameDialog(IDD_MAIN_DIALOG, nullptr, kAboutAndIcon) {}
//    protected:
//     bool OnInitDialog() override { CFrameDialog::OnInitDialog(); ...; return true; }
//     void DoDataExchange(dialogframe::CDataExchange& dx) override { ExchangeCheck(dx, 1001, flag_); }
//     bool HandleMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) override;  // optional
//   };
#pragma once

#include <windows.h>

#include "dialogframe/data_exchange.h"

namespace dialogframe {

class CFrameDialog {
 public:
  enum Features : unsigned { kPlain = 0, kAboutAndIcon = 1 };

  // parent null: the owner is the application's main dialog if one is running, else the
  // thread's active window (none for a main dialog).
  explicit CFrameDialog(UINT templateId, HWND parent = nullptr, unsigned features = kPlain);
  virtual ~CFrameDialog() = default;
  CFrameDialog(const CFrameDialog&) = delete;
  CFrameDialog& operator=(const CFrameDialog&) = delete;

  // Runs the dialog modally; its result (IDOK, IDCANCEL, or what EndDialog was given).
  INT_PTR DoModal();
  void EndDialog(int result);
  HWND Hwnd() const { return hwnd_; }
  HICON Icon() const { return icon_; }
  // Runs DoDataExchange; saveAndValidate true moves the controls' state into the members.
  bool UpdateData(bool saveAndValidate = true);

  // Marks the dialog as one that must stay disabled while an outside program owns the input.
  void SetStayDisabled(bool stay) { stayDisabled_ = stay; }
  bool StayDisabled() const { return stayDisabled_; }

 protected:
  // Default: members to controls, centring, and with kAboutAndIcon the About entry and icon.
  // Return true to let the system focus the first tab stop.
  virtual bool OnInitDialog();
  // Default: UpdateData(true), then end with IDOK.
  virtual void OnOK();
  // Default: end with IDCANCEL.
  virtual void OnCancel();
  virtual void DoDataExchange(CDataExchange& dx);
  // WM_COMMAND other than OK, Cancel and Help; return true when handled.
  virtual bool OnCommand(WORD id, WORD code, HWND control);
  virtual void OnDestroy() {}
  // Every message first comes here; return true (and set result) to stop default processing.
  // Overrides call the base version for the messages they do not handle.
  virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void CentreIfTemplateAsks();
  void AddAboutEntry();
  bool PaintMinimisedIcon();

  UINT templateId_;
  HWND parent_;
  unsigned features_;
  HWND hwnd_ = nullptr;
  HICON icon_ = nullptr;
  bool stayDisabled_ = false;
};

}  // namespace dialogframe
