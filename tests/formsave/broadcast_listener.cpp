// Stands for the product's other programs: a top-level window that logs every
// "WM_MAINCTL_ofVR14" it receives as "wParam lParam" lines to the file named on the command line.
// A posted WM_APP writes "sync": everything posted before it has then been logged.
#include <windows.h>

#include <cstdio>

#include "formsave/formsave_constants.h"

namespace {

const char* g_logPath;
UINT g_broadcast;

void Log(const char* line) {
  FILE* log = fopen(g_logPath, "ab");
  if (log == nullptr) return;
  fputs(line, log);
  fclose(log);
}

LRESULT CALLBACK ListenerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == g_broadcast) {
    char line[64];
    snprintf(line, sizeof line, "%lu %ld\n", static_cast<unsigned long>(wParam), static_cast<long>(lParam));
    Log(line);
    return 0;
  }
  if (message == WM_APP) {
    Log("sync\n");
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_logPath = commandLine;
  g_broadcast = RegisterWindowMessageA(formsave::kBroadcastMessageName);
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = ListenerProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "VrBroadcastListener";
  RegisterClassA(&windowClass);
  CreateWindowA(windowClass.lpszClassName, "formsave broadcast listener", WS_OVERLAPPED | WS_VISIBLE,
                900, 700, 100, 50, nullptr, nullptr, instance, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
