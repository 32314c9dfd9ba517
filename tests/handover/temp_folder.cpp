#include "temp_folder.h"

namespace handover {

TempFolder::TempFolder(const char* tag) {
  char base[MAX_PATH];
  GetTempPathA(sizeof base, base);
  path_ = std::string(base) + "hv_" + tag + "_" + std::to_string(GetCurrentProcessId());
  vrtest::RemoveTree(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
}

void MakeFolder(const std::string& path, DWORD attributes) {
  CreateDirectoryA(path.c_str(), nullptr);
  if (attributes) SetFileAttributesA(path.c_str(), attributes | FILE_ATTRIBUTE_DIRECTORY);
}

void WriteFile(const std::string& path, const std::string& content, DWORD attributes) {
  vrtest::WriteFileBytes(path, content);
  if (attributes) SetFileAttributesA(path.c_str(), attributes);
}

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
