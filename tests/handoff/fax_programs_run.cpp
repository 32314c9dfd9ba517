#include "tests/handoff/fax_programs_run.h"

#include <cstdio>
#include <fstream>

#include "printhook/hook_constants.h"

namespace handofftest {

std::wstring ProductFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\')) + L"\\product";
}

namespace {

// Programs that have finished starting up (with or without windows) log one of these lines.
int StartedPrograms(const std::string& log) {
  int count = 0;
  for (const std::string& line : ReadLog(log))
    if (line == "READY" || line == "NO-WINDOW") ++count;
  return count;
}

BOOL CALLBACK CollectFaxWindows(HWND window, LPARAM context) {
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  std::wstring name = className;
  if (name == reinterpret_cast<const wchar_t*>(printhook::kMasterWindowClass) ||
      name == reinterpret_cast<const wchar_t*>(printhook::kSenderWindowClass)) {
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
  }
  return TRUE;
}

std::string Field(const std::string& line, std::size_t from) {
  std::size_t area = line.find(" area=", from);
  return line.substr(from, area == std::string::npos ? std::string::npos : area - from);
}

}  // namespace

void StartFaxPrograms(const std::string& arguments, const std::string& log) {
  std::wstring program = ProductFolder() + L"\\faxprograms.exe";
  std::string commandLine = "faxprograms.exe " + arguments + " --log \"" + log + "\"";
  std::wstring wideLine(commandLine.begin(), commandLine.end());
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  const int before = StartedPrograms(log);
  if (!CreateProcessW(program.c_str(), &wideLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "cannot start the fax programs' stand-in (%lu)\n", GetLastError());
    return;
  }
  CloseHandle(process.hThread);
  // Ready when its log says so, or when it has ended.
  while (StartedPrograms(log) == before && WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT) {
  }
  CloseHandle(process.hProcess);
}

void CloseFaxPrograms() {
  std::vector<HWND> windows;
  EnumWindows(CollectFaxWindows, reinterpret_cast<LPARAM>(&windows));
  std::vector<HANDLE> processes;
  for (HWND window : windows) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id)) processes.push_back(process);
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  for (HANDLE process : processes) {
    WaitForSingleObject(process, 30000);
    CloseHandle(process);
  }
}

std::vector<std::string> ReadLog(const std::string& log) {
  std::vector<std::string> lines;
  std::ifstream file(log, std::ios::binary);
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Messages(const std::vector<std::string>& lines, const std::string& role) {
  std::vector<std::string> result;
  for (const std::string& line : lines)
    if (line.compare(0, role.size() + 5, role + " msg=") == 0)
      result.push_back(Field(line, role.size() + 1));
  return result;
}

std::vector<std::string> Areas(const std::vector<std::string>& lines, const std::string& role) {
  std::vector<std::string> result;
  for (const std::string& line : lines) {
    if (line.compare(0, role.size() + 5, role + " msg=") != 0) continue;
    std::size_t at = line.find(" area=");
    std::size_t end = line.find(' ', at + 6);
    result.push_back(line.substr(at + 6, end == std::string::npos ? end : end - at - 6));
  }
  return result;
}

std::vector<std::string> Starts(const std::vector<std::string>& lines) {
  std::vector<std::string> result;
  for (const std::string& line : lines)
    if (line.compare(0, 6, "START ") == 0) result.push_back(line.substr(6));
  return result;
}

}  // namespace handofftest
