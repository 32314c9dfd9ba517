// The CTRL and DATA folders: the registry value, else the default folder under the platform's
// common folder, created when missing.
#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "installenv/installenv.h"
#include "installenv/installenv_constants.h"
#include "installenv/path_scan.h"

namespace installenv {
namespace {

bool CommonFolder(int csidl, char (&work)[kPathBufferSize]) {
  std::memset(work, 0, sizeof work);
  return SHGetFolderPathA(nullptr, csidl, nullptr, 0, work) >= 0;
}

// The default folder: common folder (one trailing backslash removed) and the folder tail,
// looked up and created when missing. buffer is already zero-filled.
int DefaultFolder(const char* commonFolder, char* buffer, unsigned bufferSize) {
  char path[kPathBufferSize] = {};
  const std::size_t commonLength = std::strlen(commonFolder);
  if (commonLength == 0 || commonLength > kMaxPath) return 0;
  std::memcpy(path, commonFolder, commonLength);
  const std::size_t trimmed = RemoveTrailingBackslash(path);
  const std::size_t length = trimmed + sizeof kFolderTail - 1;
  if (length > kMaxPath || length >= bufferSize) return 0;
  std::memcpy(path + trimmed, kFolderTail, sizeof kFolderTail);
  if (!IsFolder(path) && !CreateFolderTree(path)) return 0;
  std::memcpy(buffer, path, length);
  return static_cast<int>(length);
}

}  // namespace

int GetCtrlFolder(char* buffer, unsigned bufferSize) {
  if (buffer == nullptr || bufferSize == 0) return 0;
  const int fromRegistry = GetRegString(kCtrlFolderValue, "", buffer, bufferSize);
  if (fromRegistry != 0) return fromRegistry;
  char common[kPathBufferSize];
  if (!CommonFolder(kCsidlCommonAppData, common)) return 0;
  return DefaultFolder(common, buffer, bufferSize);
}

int GetDataFolder(char* buffer, unsigned bufferSize) {
  if (buffer == nullptr || bufferSize == 0) return 0;
  const int fromRegistry = GetRegString(kDataFolderValue, "", buffer, bufferSize);
  if (fromRegistry != 0) return fromRegistry;
  char common[kPathBufferSize];
  if (!CommonFolder(kCsidlCommonDocuments, common) || common[0] == '\0') {
    return GetCtrlFolder(buffer, bufferSize);
  }
  return DefaultFolder(common, buffer, bufferSize);
}

int IsFolder(const char* path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  FindClose(search);
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? 1 : 0;
}

int CreateFolderTree(const char* path) {
  char prefix[kPathBufferSize] = {};
  const std::size_t length = std::strlen(path);
  if (length == 0) return 1;
  if (length > kMaxPath) return 0;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t end = FolderLevelEnd(path, pos);
    std::memcpy(prefix + pos, path + pos, end - pos);
    pos = end;
    prefix[pos] = '\0';
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(prefix, &found);
    if (search == INVALID_HANDLE_VALUE) {
      SECURITY_ATTRIBUTES security = {sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
      if (!CreateDirectoryA(prefix, &security)) return 0;
    } else {
      FindClose(search);
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return 0;
    }
    prefix[pos++] = '\\';
    if (pos >= length) return 1;
  }
}

}  // namespace installenv
