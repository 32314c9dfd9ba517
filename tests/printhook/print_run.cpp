#include "tests/printhook/print_run.h"

#include <algorithm>
#include <sstream>

#include "installenv/installenv_constants.h"
#include "tests/installenv/installation_fixture.h"

namespace phtest {
namespace {

// The writer stand-in reads the installation from the 32-bit view, as the x86 programs do.
void SetProductValue(const char* name, const std::string& value) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, installenv::kProductKey, 0, nullptr, 0,
                  KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key, nullptr);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

void RemoveProductKey() {
  HKEY software = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &software) == ERROR_SUCCESS) {
    RegDeleteTreeA(software, "HALVERON\\VELORIX 14");
    RegCloseKey(software);
  }
}

}  // namespace

PrintInstallation::PrintInstallation() {
  RemoveProductKey();
  root = vrtest::FreshFolder("print");
  ctrl = root + "\\CTRL";
  data = root + "\\DATA";
  CreateDirectoryA(ctrl.c_str(), nullptr);
  CreateDirectoryA(data.c_str(), nullptr);
  SetProductValue(installenv::kCtrlFolderValue, ctrl);
  SetProductValue(installenv::kDataFolderValue, data);
  SetEnv("VR14DRT_LOG", (root + "\\writer.log").c_str());
  SetEnv("VR14DRT_FAIL", nullptr);
}

PrintInstallation::~PrintInstallation() {
  SetEnv("VR14DRT_LOG", nullptr);
  SetEnv("VR14DRT_FAIL", nullptr);
  RemoveProductKey();
  vrtest::RemoveTree(root);
}

void PrintInstallation::WriteSettings(const std::string& driverSection) {
  vrtest::WriteFileBytes(ctrl + "\\" + installenv::kSettingsFileName, "[VR14.DRV]\r\n" + driverSection + "\r\n");
}

void PrintInstallation::SetDataFolder(const std::string& folder) { SetProductValue(installenv::kDataFolderValue, folder); }

SpoolRun::SpoolRun(const std::string& jobPath, bool hold) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE childOut = nullptr, childIn = nullptr;
  CreatePipe(&out_, &childOut, &inherit, 0);
  CreatePipe(&childIn, &in_, &inherit, 0);
  SetHandleInformation(out_, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(in_, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {sizeof startup};
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = childOut;
  startup.hStdError = childOut;
  startup.hStdInput = childIn;
  std::string command = "\"" + RunFolder() + "\\spoolrun.exe\" " + (hold ? "--hold " : "") + "\"" + jobPath + "\"";
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process_))
    process_ = {};
  CloseHandle(childOut);
  CloseHandle(childIn);
}

SpoolRun::~SpoolRun() {
  if (in_) CloseHandle(in_);
  if (out_) CloseHandle(out_);
  if (process_.hProcess) {
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

// Reads what is there; false once spoolrun has ended and its output is read. A program it
// started (the fax sender) may hold the pipe open, so the end is the process's, not the pipe's.
bool SpoolRun::ReadSome() {
  DWORD available = 0;
  if (out_ && PeekNamedPipe(out_, nullptr, 0, nullptr, &available, nullptr) && available) {
    char chunk[4096];
    DWORD got = 0;
    if (ReadFile(out_, chunk, sizeof chunk < available ? sizeof chunk : available, &got, nullptr))
      output_.append(chunk, got);
    return true;
  }
  if (!process_.hProcess || WaitForSingleObject(process_.hProcess, 20) == WAIT_OBJECT_0) {
    if (out_ && PeekNamedPipe(out_, nullptr, 0, nullptr, &available, nullptr) && available) return true;
    return false;
  }
  return true;
}

bool SpoolRun::WaitHolding() {
  while (output_.find("holding\n") == std::string::npos && output_.find("holding\r\n") == std::string::npos)
    if (!ReadSome()) return false;
  return true;
}

RunResult SpoolRun::Finish() {
  if (in_) {
    CloseHandle(in_);
    in_ = nullptr;
  }
  while (ReadSome()) {
  }
  RunResult result;
  result.output = output_;
  result.output.erase(std::remove(result.output.begin(), result.output.end(), '\r'), result.output.end());
  if (process_.hProcess) {
    WaitForSingleObject(process_.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    result.exitCode = static_cast<int>(code);
  }
  return result;
}

RunResult RunJob(const std::string& jobPath) { return SpoolRun(jobPath, false).Finish(); }

std::string WriteRawJob(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  vrtest::WriteFileBytes(path, std::string(bytes.begin(), bytes.end()));
  return path;
}

std::string WriteJob(const std::string& path, const mkspool::JobSettings& job,
                     const std::vector<mkspool::SpoolPage>& pages) {
  return WriteRawJob(path, mkspool::BuildJob(job, pages));
}

mkspool::SpoolPage TestPage(int width, int height, mkspool::PageSettings settings) {
  mkspool::SpoolPage page;
  page.width = width;
  page.height = height;
  page.settings = settings;
  const std::size_t stride = settings.color ? printhook::ColorStride(width) : printhook::MonoStride(width);
  page.rows.assign(stride * height, 0xFF);
  for (int y = 0; y < height; ++y)
    for (std::size_t x = 0; x < stride; ++x)
      if ((y / 16) % 3 == 0 && x % 7 < 3) page.rows[y * stride + x] = static_cast<std::uint8_t>(x * 37 + y);
  return page;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

std::string RunFolder() { return vrtest::ProgramFolder(); }

void SetEnv(const char* name, const char* value) { SetEnvironmentVariableA(name, value); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace phtest
