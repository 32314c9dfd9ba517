#include "tests/installenv/installation_fixture.h"

#include <shlobj.h>

#include <fstream>
#include <iterator>

#include "installenv/installenv_constants.h"

namespace vrtest {
namespace {

std::string CommonFolder(int csidl) {
  char path[MAX_PATH + 1] = {};
  SHGetFolderPathA(nullptr, csidl, nullptr, 0, path);
  return path;
}

void CleanMachine() {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, installenv::kProductKey);
  RemoveTree(Installation::CommonAppData() + "\\HALVERON");
  RemoveTree(Installation::CommonDocuments() + "\\HALVERON");
}

void SetString(const char* keyPath, const char* name, const std::string& value) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

}  // namespace

Installation::Installation() { CleanMachine(); }
Installation::~Installation() { CleanMachine(); }

void Installation::SetValue(const char* name, const std::string& value) {
  SetString(installenv::kProductKey, name, value);
}

void Installation::SetRawValue(const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, installenv::kProductKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &key, nullptr);
  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

void Installation::SetComSys(const char* name, const std::string& value) {
  SetString(installenv::kComSysKey, name, value);
}

void Installation::RemoveProductKey() { RegDeleteTreeA(HKEY_LOCAL_MACHINE, installenv::kProductKey); }

std::string Installation::CommonAppData() { return CommonFolder(CSIDL_COMMON_APPDATA); }
std::string Installation::CommonDocuments() { return CommonFolder(CSIDL_COMMON_DOCUMENTS); }
std::string Installation::DefaultCtrlFolder() { return CommonAppData() + installenv::kFolderTail; }
std::string Installation::DefaultDataFolder() { return CommonDocuments() + installenv::kFolderTail; }

std::string ProgramFolder() {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string program = path;
  return program.substr(0, program.rfind('\\'));
}

std::string FreshFolder(const std::string& name) {
  CreateDirectoryA("C:\\vrtest", nullptr);
  const std::string path = "C:\\vrtest\\" + name;
  RemoveTree(path);
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

void RemoveTree(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    return;
  }
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name != "." && name != "..") RemoveTree(path + "\\" + name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(path.c_str());
}

bool PathExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace vrtest
