#include "tests/support/ui_driver.h"

#include <cstdio>
#include <map>
#include <vector>

namespace vrui {
namespace {

constexpr DWORD kPollMs = 50;

struct FindRequest {
  const std::string* caption;
  DWORD pid;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
  auto* request = reinterpret_cast<FindRequest*>(param);
  if (!IsWindowVisible(window)) return TRUE;
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (request->pid != 0 && pid != request->pid) return TRUE;
  if (WindowText(window) != *request->caption) return TRUE;
  request->found = window;
  return FALSE;
}

std::string EnvironmentBlock(const std::string& extra) {
  std::map<std::string, std::string> vars;
  std::vector<std::string> order;
  auto put = [&](const std::string& entry) {
    const auto eq = entry.find('=', 1);
    if (eq == std::string::npos) return;
    std::string key = entry.substr(0, eq);
    std::string upper = key;
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    if (!vars.count(upper)) order.push_back(upper);
    vars[upper] = entry;
  };
  char* block = GetEnvironmentStringsA();
  for (const char* p = block; *p != '\0'; p += strlen(p) + 1) put(p);
  FreeEnvironmentStringsA(block);
  std::string::size_type start = 0;
  while (start < extra.size()) {
    auto end = extra.find('\n', start);
    if (end == std::string::npos) end = extra.size();
    put(extra.substr(start, end - start));
    start = end + 1;
  }
  std::string result;
  for (const auto& key : order) result += vars[key] + '\0';
  return result + '\0';
}

}  // namespace

std::string BuiltPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

Program Start(const std::string& exe, const std::string& args, const std::string& extraEnvironment,
              const std::string& workingFolder) {
  std::string commandLine = "\"" + exe + "\"";
  if (!args.empty()) commandLine += " " + args;
  std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back('\0');
  std::string folder = workingFolder;
  if (folder.empty()) folder = exe.substr(0, exe.find_last_of('\\'));
  const std::string environment = EnvironmentBlock(extraEnvironment);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  Program program;
  if (CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0,
                     const_cast<char*>(environment.c_str()), folder.c_str(), &startup, &info)) {
    CloseHandle(info.hThread);
    program.process = info.hProcess;
    program.pid = info.dwProcessId;
    program.threadId = info.dwThreadId;
  }
  return program;
}

bool WaitForExit(Program& program, DWORD timeoutMs) {
  if (program.process == nullptr) return true;
  return WaitForSingleObject(program.process, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ExitCode(const Program& program) {
  DWORD code = STILL_ACTIVE;
  if (program.process != nullptr) GetExitCodeProcess(program.process, &code);
  return code;
}

void Kill(Program& program) {
  if (program.process == nullptr) return;
  if (WaitForSingleObject(program.process, 0) != WAIT_OBJECT_0) {
    TerminateProcess(program.process, 1);
    WaitForSingleObject(program.process, 5000);
  }
  CloseHandle(program.process);
  program.process = nullptr;
}

HWND FindTopLevel(const std::string& caption, DWORD pid) {
  FindRequest request{&caption, pid, nullptr};
  EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&request));
  return request.found;
}

HWND WaitForWindow(const std::string& caption, DWORD pid, DWORD timeoutMs) {
  for (DWORD waited = 0;; waited += kPollMs) {
    if (HWND found = FindTopLevel(caption, pid)) {
      Sleep(100);  // let the dialog finish its initialisation before it is driven
      return found;
    }
    if (waited >= timeoutMs) return nullptr;
    Sleep(kPollMs);
  }
}

bool StaysAbsent(const std::string& caption, DWORD pid, DWORD waitMs) {
  return WaitForWindow(caption, pid, waitMs) == nullptr;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
  for (DWORD waited = 0;; waited += kPollMs) {
    if (!IsWindow(window) || !IsWindowVisible(window)) return true;
    if (waited >= timeoutMs) return false;
    Sleep(kPollMs);
  }
}

std::string WindowText(HWND window) {
  char text[4096] = {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                           SMTO_ABORTIFHUNG, 5000, &length)) {
    return std::string();
  }
  return std::string(text, strnlen(text, sizeof text));
}

std::string ControlText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

void SetControlText(HWND dialog, int id, const std::string& text) {
  SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsChecked(HWND dialog, int id) {
  return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetCheck(HWND dialog, int id, bool checked) {
  if (IsChecked(dialog, id) != checked) PressButton(dialog, id);
  for (int i = 0; i < 100 && IsChecked(dialog, id) != checked; ++i) Sleep(kPollMs);
}

void PressButton(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

namespace {
HWND FocusOf(HWND dialog) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
  if (GetGUIThreadInfo(thread, &info) && info.hwndFocus != nullptr) return info.hwndFocus;
  return dialog;
}

void PressKey(HWND dialog, UINT key) {
  HWND target = FocusOf(dialog);
  const UINT scan = MapVirtualKeyA(key, 0);
  PostMessageA(target, WM_KEYDOWN, key, 1 | (scan << 16));
  PostMessageA(target, WM_KEYUP, key, 1 | (scan << 16) | 0xC0000000u);
}
}  // namespace

void PressEnter(HWND dialog) { PressKey(dialog, VK_RETURN); }
void PressEscape(HWND dialog) { PressKey(dialog, VK_ESCAPE); }
void SendClose(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

std::string MessageBoxText(HWND box) { return ControlText(box, 0xFFFF); }

bool HasButton(HWND box, int id) { return GetDlgItem(box, id) != nullptr; }

std::string Screenshot(const std::string& name) {
  Sleep(300);
  char folder[MAX_PATH] = {};
  if (GetEnvironmentVariableA("VR_SCREENSHOT_DIR", folder, sizeof folder) == 0) lstrcpyA(folder, "screenshots");
  CreateDirectoryA(folder, nullptr);
  const std::string windowsPath = std::string(folder) + "\\" + name + ".png";
  // Wine runs a Unix program when it is given one; the shell finds xwd and ImageMagick.
  char full[MAX_PATH] = {};
  GetFullPathNameA(windowsPath.c_str(), sizeof full, full, nullptr);
  std::string path = full;
  if (path.size() > 2 && (path[0] == 'Z' || path[0] == 'z') && path[1] == ':') path = path.substr(2);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  std::string command =
      "/bin/sh -c \"xwd -root -display $DISPLAY -silent | /usr/bin/convert xwd:- '" + path + "'\"";
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  DeleteFileA(windowsPath.c_str());
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return std::string();
  }
  WaitForSingleObject(info.hProcess, 20000);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  for (int i = 0; i < 100 && !FileExists(windowsPath); ++i) Sleep(kPollMs);
  return FileExists(windowsPath) ? windowsPath : std::string();
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Hex(const std::string& bytes) {
  std::string hex;
  char digits[3];
  for (unsigned char byte : bytes) {
    std::snprintf(digits, sizeof digits, "%02X", byte);
    hex += digits;
  }
  return hex;
}

}  // namespace vrui
