// Stand-in of the product's print-out control window: registers the class "CLS_OCX_ofVR14"
// and answers the print-out message as its command line says, logging every message.
//   ocxwindow --log FILE [--waiting 0|1] [--document NAME] [--path PATH] [--seconds N]
// --waiting: the answer to "are you waiting?" (default 1); --document: the name it waits for
// (default none: any job); --path: the output path it supplies (default none). The texts are
// taken in the ANSI code page. It ends after N seconds (default 60) or on WM_CLOSE.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char kClass[] = "CLS_OCX_ofVR14";
const char kMessage[] = "WM_OCXPRTOUT_ofVR14";

struct Behaviour {
  std::string log, document, path;
  LRESULT waiting = 1;
  int seconds = 60;
} g_behaviour;
UINT g_message;

void Log(WPARAM wParam, LPARAM lParam, LRESULT answer) {
  std::FILE* log = std::fopen(g_behaviour.log.c_str(), "a");
  if (!log) return;
  std::fprintf(log, "wParam=%u lParam=%ld answer=%ld\n", static_cast<unsigned>(wParam),
               static_cast<long>(lParam), static_cast<long>(answer));
  std::fclose(log);
}

LRESULT ByteOf(const std::string& text, LPARAM index) {
  return index >= 0 && static_cast<std::size_t>(index) < text.size()
             ? static_cast<unsigned char>(text[index]) : 0;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == g_message && g_message) {
    LRESULT answer = 0;
    if (wParam == 100) answer = g_behaviour.waiting;
    else if (wParam == 3) answer = ByteOf(g_behaviour.document, lParam);
    else if (wParam == 1) answer = ByteOf(g_behaviour.path, lParam);
    Log(wParam, lParam, answer);
    return answer;
  }
  if (message == WM_TIMER || message == WM_CLOSE) {
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string option = argv[i];
    const char* value = argv[i + 1];
    if (option == "--log") g_behaviour.log = value;
    else if (option == "--waiting") g_behaviour.waiting = std::atoi(value);
    else if (option == "--document") g_behaviour.document = value;
    else if (option == "--path") g_behaviour.path = value;
    else if (option == "--seconds") g_behaviour.seconds = std::atoi(value);
  }
  if (g_behaviour.log.empty()) {
    std::fprintf(stderr, "usage: ocxwindow --log FILE [--waiting 0|1] [--document NAME] [--path PATH] [--seconds N]\n");
    return 2;
  }
  g_message = RegisterWindowMessageA(kMessage);
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kClass;
  if (!RegisterClassA(&windowClass)) return 1;
  HWND window = CreateWindowExA(0, kClass, "ocxwindow", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
  if (!window) return 1;
  SetTimer(window, 1, static_cast<UINT>(g_behaviour.seconds) * 1000, nullptr);
  std::FILE* log = std::fopen(g_behaviour.log.c_str(), "a");
  if (log) {
    std::fprintf(log, "ready\n");
    std::fclose(log);
  }
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
