#include "handover/win32_file_system.h"

#include <windows.h>

#include <cstring>

namespace handover {

namespace {

void Fill(const WIN32_FIND_DATAA& data, FolderEntry& entry) {
  std::memset(&entry, 0, sizeof entry);
  std::memcpy(entry.name, data.cFileName, sizeof entry.name - 1);
  entry.attributes = data.dwFileAttributes;
  entry.writeHigh = data.ftLastWriteTime.dwHighDateTime;
  entry.writeLow = data.ftLastWriteTime.dwLowDateTime;
}

}  // namespace

FileSystem::Search Win32FileSystem::FindFirst(const char* pattern, FolderEntry& entry) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(pattern, &data);
  if (search == INVALID_HANDLE_VALUE) return 0;
  Fill(data, entry);
  return reinterpret_cast<Search>(search);
}

uint32_t Win32FileSystem::FindNext(Search search, FolderEntry& entry) {
  WIN32_FIND_DATAA data;
  if (!FindNextFileA(reinterpret_cast<HANDLE>(search), &data)) {
    const DWORD error = GetLastError();
    return error ? error : ERROR_GEN_FAILURE;  // an end without a reason is no normal end
  }
  Fill(data, entry);
  return 0;
}

bool Win32FileSystem::FindClose(Search search) {
  return ::FindClose(reinterpret_cast<HANDLE>(search)) != FALSE;
}

bool Win32FileSystem::CreateFolder(const char* path) { return CreateDirectoryA(path, nullptr) != FALSE; }

bool Win32FileSystem::CopyFileTo(const char* from, const char* to, bool failIfExists) {
  return CopyFileA(from, to, failIfExists ? TRUE : FALSE) != FALSE;
}

uint32_t Win32FileSystem::WindowsFolder(char* buffer, uint32_t size) {
  return GetWindowsDirectoryA(buffer, size);
}

}  // namespace handover
