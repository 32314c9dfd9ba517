#include "dialogframe/frame_app.h"

#include "dialogframe/frame_dialog.h"
#include "dialogframe/program_name.h"

namespace dialogframe {
namespace {
CFrameApp* g_app = nullptr;
}

CFrameApp::CFrameApp() { g_app = this; }

CFrameApp::~CFrameApp() {
  if (g_app == this) g_app = nullptr;
}

CFrameApp* App() { return g_app; }

HWND CFrameApp::MainWindow() const { return mainDialog_ != nullptr ? mainDialog_->Hwnd() : nullptr; }

int CFrameApp::Run(HINSTANCE instance) {
  instance_ = instance;
  char modulePath[MAX_PATH + 1] = {};
  GetModuleFileNameA(instance, modulePath, MAX_PATH);
  appName_ = ProgramNameFromPath(modulePath);
  helpFile_ = HelpFileFromPath(modulePath);
  commandLine_ = CommandLineTail(GetCommandLineA());
  InitInstance();  // the tools return false: the process ends either way
  mainDialog_ = nullptr;
  return 0;
}

void CFrameApp::OnHelp() { WinHelpA(MainWindow(), helpFile_.c_str(), HELP_FINDER, 0); }

HINSTANCE ResourceInstance() {
  return App() != nullptr && App()->Instance() != nullptr ? App()->Instance() : GetModuleHandleA(nullptr);
}

std::string LoadResourceString(UINT id) {
  char text[1024] = {};
  const int length = LoadStringA(ResourceInstance(), id, text, sizeof text);
  return std::string(text, length > 0 ? length : 0);
}

int AppMessageBox(const char* text, UINT style) {
  HWND owner = App() != nullptr ? App()->MainWindow() : nullptr;
  if (owner != nullptr) {
    // A box opened while another popup of the dialog is up belongs to that popup.
    HWND popup = GetLastActivePopup(owner);
    if (popup != nullptr && IsWindowEnabled(popup)) owner = popup;
  }
  const std::string caption = App() != nullptr ? App()->AppName() : std::string();
  return MessageBoxA(owner, text, caption.c_str(), MessageBoxStyleWithDefaultIcon(style));
}

int AppMessageBox(UINT stringId, UINT style) {
  return AppMessageBox(LoadResourceString(stringId).c_str(), style);
}

}  // namespace dialogframe

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  dialogframe::CFrameApp* app = dialogframe::App();
  return app != nullptr ? app->Run(instance) : 0;
}
