// The application object of a dialog tool: one static object per program, derived from
// CFrameApp, overriding InitInstance. The frame's WinMain (in frame_app.cpp) runs it:
//
//   class CToolApp : public dialogframe::CFrameApp {
//     bool InitInstance() override { CToolDialog dlg; SetMainWindow(&dlg); dlg.DoModal(); return false; }
//   };
//   static CToolApp theApp;
//
// Application message boxes (AppMessageBox) are owned by the main dialog, carry the program's
// file name without extension as caption and show the exclamation icon for an OK box that
// names none.
#pragma once

#include <windows.h>

#include <string>

namespace dialogframe {

class CFrameDialog;

class CFrameApp {
 public:
  CFrameApp();
  virtual ~CFrameApp();
  CFrameApp(const CFrameApp&) = delete;
  CFrameApp& operator=(const CFrameApp&) = delete;

  // The start-up entry. Returning false ends the process (the tools always do).
  virtual bool InitInstance() = 0;

  // Hosting of embedded controls: none of the tools' dialogs holds one, so this only records
  // the request.
  void EnableControlHosting() { controlHosting_ = true; }
  // The 3-D control look is the system's own nowadays; recorded only.
  void Enable3dControls() { threeDControls_ = true; }

  void SetMainWindow(CFrameDialog* dialog) { mainDialog_ = dialog; }
  CFrameDialog* MainDialog() const { return mainDialog_; }
  HWND MainWindow() const;

  HINSTANCE Instance() const { return instance_; }
  const std::string& AppName() const { return appName_; }
  const char* CommandLine() const { return commandLine_; }

  // The Help command's default handler: opens <program>.HLP beside the program.
  virtual void OnHelp();

  // Runs the start-up entry; called by the frame's WinMain.
  int Run(HINSTANCE instance);

 private:
  HINSTANCE instance_ = nullptr;
  std::string appName_;
  std::string helpFile_;
  const char* commandLine_ = "";
  CFrameDialog* mainDialog_ = nullptr;
  bool controlHosting_ = false;
  bool threeDControls_ = false;
};

// The program's one application object (null before it is constructed).
CFrameApp* App();

// Where the program's resources are: the application's instance, else the program's module.
HINSTANCE ResourceInstance();

// Application message boxes; the id form shows the string-table text of that id.
int AppMessageBox(const char* text, UINT style = MB_OK);
int AppMessageBox(UINT stringId, UINT style = MB_OK);

// Text of a string-table entry of the program ("" when missing).
std::string LoadResourceString(UINT id);

}  // namespace dialogframe
