#include "temp_folder.h"

#include <fstream>
#include <sstream>

namespace handover {

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(child);
      else
        DeleteFileA(child.c_str());
    } while (FindNextFileA(search, &data));
    FindClose(search);
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(path.c_str());
}

TempFolder::TempFolder(const char* tag) {
  char base[MAX_PATH];
  GetTempPathA(sizeof base, base);
  path_ = std::string(base) + "hv_" + tag + "_" + std::to_string(GetCurrentProcessId());
  RemoveTree(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
}

void MakeFolder(const std::string& path, DWORD attributes) {
  CreateDirectoryA(path.c_str(), nullptr);
  if (attributes) SetFileAttributesA(path.c_str(), attributes | FILE_ATTRIBUTE_DIRECTORY);
}

void WriteFile(const std::string& path, const std::string& content, DWORD attributes) {
  { std::ofstream(path, std::ios::binary) << content; }
  if (attributes) SetFileAttributesA(path.c_str(), attributes);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void SetWriteTime(const std::string& path, int seconds) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ULARGE_INTEGER when;
  when.QuadPart = 132000000000000000ull + static_cast<ULONGLONG>(seconds) * 10000000ull;
  FILETIME time = {when.LowPart, when.HighPart};
  SetFileTime(file, nullptr, nullptr, &time);
  CloseHandle(file);
  SetFileAttributesA(path.c_str(), attributes);
}

}  // namespace handover
