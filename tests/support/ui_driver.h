// Drives a running dialog tool from a test process as a person would, under Wine with Xvfb.
//
//   vrui::Program tool = vrui::Start(vrui::BuiltPath(FORMSAVE_EXE), "\"C:\\doc 1.vrd\"");
//   HWND dlg = vrui::WaitForWindow("VELORIX プリンタドライバ", tool.pid);   // caption in CP932
//   EXPECT_EQ(vrui::ControlText(dlg, 1006), "新規作成");
//   vrui::SetControlText(dlg, 1006, "name");
//   vrui::Screenshot("formsave_main");            // build/<preset>/screenshots/formsave_main.png
//   vrui::PressButton(dlg, IDOK);                 // posted, so a message box it opens cannot block us
//   HWND box = vrui::WaitForWindow("supportmail", tool.pid);   // message boxes carry the program name
//   EXPECT_EQ(vrui::MessageBoxText(box), "...");
//   vrui::PressButton(box, IDOK);
//   EXPECT_TRUE(vrui::WaitForExit(tool));
//
// Waits are bounded (a few seconds) only so that a broken tool fails the test instead of hanging
// it; nothing measures time. Link the static library vr_ui_driver (files and the installation's
// registry: tests/installenv/installation_fixture.h).
#pragma once

#include <windows.h>

#include <string>

namespace vrui {

struct Program {
  HANDLE process = nullptr;
  DWORD pid = 0;
  DWORD threadId = 0;
};

// Windows path of a file the build made: "/work/x/a.exe" -> "Z:\work\x\a.exe" (Wine's Z: is /).
std::string BuiltPath(const std::string& unixPath);

// Starts exe with args (the command line is "exe" args). extraEnvironment: "K=V" entries separated
// by '\n', added to (or replacing) the test's own environment. workingFolder empty: the exe's
// folder.
Program Start(const std::string& exe, const std::string& args, const std::string& extraEnvironment = "",
              const std::string& workingFolder = "");
// True when the process ended within timeoutMs. The handle stays open, so that ExitCode can
// still be asked; Kill closes it.
bool WaitForExit(Program& program, DWORD timeoutMs = 15000);
// Ends the process if it still runs and closes its handle.
void Kill(Program& program);
DWORD ExitCode(const Program& program);

// A visible top-level window with exactly this caption (any process when pid is 0); null after
// timeoutMs.
HWND WaitForWindow(const std::string& caption, DWORD pid = 0, DWORD timeoutMs = 15000);
// Same, but returns null at once when there is none.
HWND FindTopLevel(const std::string& caption, DWORD pid = 0);
// True when no such window appears within waitMs (used to show that something did NOT open).
bool StaysAbsent(const std::string& caption, DWORD pid, DWORD waitMs);
// Waits until the window is gone (destroyed or hidden).
bool WaitForWindowGone(HWND window, DWORD timeoutMs = 15000);

std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
bool IsChecked(HWND dialog, int id);
void SetCheck(HWND dialog, int id, bool checked);
// Clicks the button (posted BM_CLICK: a modal box it opens cannot block the test).
void PressButton(HWND dialog, int id);
// Enter and Esc as key presses to the dialog's focused control; the close command (close box,
// Alt+F4) as SC_CLOSE.
void PressEnter(HWND dialog);
void PressEscape(HWND dialog);
void SendClose(HWND dialog);

// The text of a message box (its static text control).
std::string MessageBoxText(HWND box);
// Whether the box has a button with this id (IDOK, IDCANCEL, IDRETRY, ...).
bool HasButton(HWND box, int id);

// Saves a PNG of the whole X screen as <screenshots folder>/<name>.png; the folder is
// VR_SCREENSHOT_DIR (a Windows path) or "screenshots" in the working folder. Returns the path,
// empty when the capture failed. Waits a moment for painting first.
std::string Screenshot(const std::string& name);

bool FileExists(const std::string& path);

// Bytes as upper-case hex digits, the way the stand-ins log binary fields.
std::string Hex(const std::string& bytes);

}  // namespace vrui
