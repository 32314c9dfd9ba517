// Stand-in of the product's fax programs: the fax manager's master window and the fax sender's
// window, either or both in one process, each answering as its command line says. Every
// message received goes to the log with the hand-off area's bytes at that moment.
//
//   faxprograms [--log FILE] [--master] [--sender] [options]
//     --master-takes N     answer 0x8F07 non-zero from the N-th question on (0: never; default 1)
//     --master-reports N   answer 0x8F04 non-zero from the N-th question on (0: never; default 0)
//     --master-starts "ARGS"  on 0x8F02 start this program again with ARGS (a sender)
//     --busy N             answer WM_APP wParam 1 with 0 (busy) N times, then accept
//     --window-after-ms N  create the windows only after N ms
//     --no-window          create no window at all (a sender that never shows up)
//     --lifetime-ms N      end after N ms even when no one closes the windows (default 120000)
//
// Started with an empty command line (as the printer driver starts the sender), the options
// come from the environment variable VR_FAX_STANDIN instead, and without it the program plays
// a sender that accepts at once and logs to faxprograms.log beside itself.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "printhook/hook_constants.h"

namespace {

struct Options {
  std::string log;
  bool master = false;
  bool sender = false;
  bool window = true;
  int masterTakes = 1;
  int masterReports = 0;
  std::string masterStarts;
  int busy = 0;
  DWORD windowAfterMs = 0;
  DWORD lifetimeMs = 120000;
};

Options options;
int fileTakenQuestions = 0;
int senderRunningQuestions = 0;
int canTakeQuestions = 0;
int openWindows = 0;

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

void AppendLog(const std::string& line) {
  HANDLE file = CreateFileA(options.log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

// The area as the programs read it: the bytes up to the end of the second text, in hex, and
// the two texts themselves (raw code page 932 bytes).
std::string DescribeHandOffArea() {
  HANDLE mapping = OpenFileMappingW(FILE_MAP_READ, FALSE, Wide(printhook::kHandOffMappingName));
  if (!mapping) return "area=none";
  const unsigned char* view = static_cast<const unsigned char*>(
      MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, printhook::kHandOffSize));
  std::string result = "area=none";
  if (view) {
    const std::size_t size = printhook::kHandOffSize;
    std::size_t first = 0;
    while (first < size && view[first]) ++first;
    std::size_t second = first + 1;
    while (second < size && view[second]) ++second;
    std::size_t end = second < size ? second + 1 : size;
    result = "area=";
    char hex[4];
    for (std::size_t i = 0; i < end; ++i) {
      std::snprintf(hex, sizeof hex, "%02X", view[i]);
      result += hex;
    }
    result += " path=\"" + std::string(reinterpret_cast<const char*>(view), first) + "\"";
    if (first + 1 < size) {
      result += " name=\"" +
                std::string(reinterpret_cast<const char*>(view + first + 1), second - first - 1) + "\"";
    }
    UnmapViewOfFile(view);
  }
  CloseHandle(mapping);
  return result;
}

void LogMessage(const char* role, UINT message, WPARAM wParam, LRESULT answer) {
  char head[96];
  std::snprintf(head, sizeof head, "%s msg=0x%04X wparam=%u answer=%d ", role, message,
                static_cast<unsigned>(wParam), static_cast<int>(answer));
  AppendLog(head + DescribeHandOffArea());
}

std::string OwnPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

void StartSenderAgain() {
  std::string commandLine = "\"" + OwnPath() + "\" " + options.masterStarts;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                nullptr, &startup, &process);
  AppendLog(std::string("MASTER started-sender ok=") + (started ? "1" : "0"));
  if (!started) return;
  // A master reports the sender running only once it is: wait for its window here.
  for (int i = 0; i < 500 && !FindWindowW(Wide(printhook::kSenderWindowClass), nullptr); ++i) {
    if (WaitForSingleObject(process.hProcess, 20) != WAIT_TIMEOUT) break;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

bool Reached(int count, int threshold) { return threshold > 0 && count >= threshold; }

LRESULT CALLBACK MasterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT answer = 0;
  switch (message) {
    case printhook::kMasterFileOutput:
      break;
    case printhook::kMasterFileTaken:
      answer = Reached(++fileTakenQuestions, options.masterTakes);
      break;
    case printhook::kMasterStartSender:
      LogMessage("MASTER", message, wParam, 0);
      if (!options.masterStarts.empty()) StartSenderAgain();
      return 0;
    case printhook::kMasterSenderRunning:
      answer = Reached(++senderRunningQuestions, options.masterReports);
      break;
    case WM_DESTROY:
      if (--openWindows == 0) PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
  LogMessage("MASTER", message, wParam, answer);
  return answer;
}

LRESULT CALLBACK SenderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == printhook::kSenderMessage) {
    LRESULT answer = 0;
    if (wParam == printhook::kSenderCanTake) answer = ++canTakeQuestions > options.busy;
    LogMessage("SENDER", message, wParam, answer);
    return answer;
  }
  if (message == WM_DESTROY) {
    if (--openWindows == 0) PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void MakeWindow(const char16_t* className, WNDPROC procedure) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = Wide(className);
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, Wide(className), Wide(className), WS_OVERLAPPEDWINDOW, 0, 0,
                                200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window) ++openWindows;
}

std::string LogBesideProgram() {
  std::string path = OwnPath();
  std::size_t slash = path.find_last_of('\\');
  return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + "faxprograms.log";
}

// Splits a command line as the C runtime does for simple cases: blanks separate, double
// quotes group (no escapes needed here).
void ParseArguments(const std::string& line) {
  std::string arguments[64];
  int count = 0;
  std::size_t i = 0;
  while (i < line.size() && count < 64) {
    while (i < line.size() && line[i] == ' ') ++i;
    if (i >= line.size()) break;
    std::string word;
    bool quoted = false;
    for (; i < line.size() && (quoted || line[i] != ' '); ++i) {
      if (line[i] == '"') quoted = !quoted;
      else word += line[i];
    }
    arguments[count++] = word;
  }
  for (int a = 0; a < count; ++a) {
    const std::string& word = arguments[a];
    const std::string value = a + 1 < count ? arguments[a + 1] : std::string();
    if (word == "--master") options.master = true;
    else if (word == "--sender") options.sender = true;
    else if (word == "--no-window") options.window = false;
    else if (word == "--log") options.log = value, ++a;
    else if (word == "--master-takes") options.masterTakes = std::atoi(value.c_str()), ++a;
    else if (word == "--master-reports") options.masterReports = std::atoi(value.c_str()), ++a;
    else if (word == "--master-starts") options.masterStarts = value, ++a;
    else if (word == "--busy") options.busy = std::atoi(value.c_str()), ++a;
    else if (word == "--window-after-ms") options.windowAfterMs = std::atoi(value.c_str()), ++a;
    else if (word == "--lifetime-ms") options.lifetimeMs = std::atoi(value.c_str()), ++a;
  }
}

// The part of the command line after the program name.
std::string ArgumentsOfCommandLine() {
  const char* line = GetCommandLineA();
  if (*line == '"') {
    const char* end = std::strchr(line + 1, '"');
    line = end ? end + 1 : line + std::strlen(line);
  } else {
    while (*line && *line != ' ') ++line;
  }
  while (*line == ' ') ++line;
  return line;
}

}  // namespace

int main() {
  std::string arguments = ArgumentsOfCommandLine();
  const char* fromEnvironment = std::getenv("VR_FAX_STANDIN");
  if (arguments.empty() && fromEnvironment) arguments = fromEnvironment;
  // The sender the driver starts on its own: it accepts at once and ends by itself soon, so
  // that no test waits for it.
  if (arguments.empty()) arguments = "--sender --lifetime-ms 10000";
  ParseArguments(arguments);
  if (options.log.empty()) options.log = LogBesideProgram();

  // How we were started tells which way the driver took (its two ways differ here).
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  char start[160];
  std::snprintf(start, sizeof start, "START master=%d sender=%d flags=0x%lX show=%u cmdline=\"",
                options.master, options.sender, startup.dwFlags,
                static_cast<unsigned>(startup.wShowWindow));
  AppendLog(start + ArgumentsOfCommandLine() + "\"");

  if (options.windowAfterMs) Sleep(options.windowAfterMs);
  if (options.window && options.master) MakeWindow(printhook::kMasterWindowClass, MasterProc);
  if (options.window && options.sender) MakeWindow(printhook::kSenderWindowClass, SenderProc);
  AppendLog(openWindows ? "READY" : "NO-WINDOW");

  UINT_PTR timer = SetTimer(nullptr, 0, options.lifetimeMs, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.wParam == timer) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  AppendLog("END");
  return 0;
}
