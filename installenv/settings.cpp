// VRW32.INI in the CTRL folder: its path and single-entry reads and writes.
#include <windows.h>

#include <cstring>

#include "installenv/installenv.h"
#include "installenv/installenv_constants.h"

namespace installenv {
namespace {

// The full path of VRW32.INI, or an empty path when it does not fit.
void SettingsPath(char (&path)[kPathBufferSize]) {
  std::memset(path, 0, sizeof path);
  std::memcpy(path, kSettingsFileName, sizeof kSettingsFileName);
  GetCtrlFolderFile(path);
}

}  // namespace

void GetCtrlFolderFile(char* nameBuffer) {
  char name[kPathBufferSize] = {};
  const std::size_t nameLength = strnlen(nameBuffer, kPathBufferSize);
  if (nameLength > kMaxPath) {
    nameBuffer[0] = '\0';
    return;
  }
  std::memcpy(name, nameBuffer, nameLength);
  char folder[kPathBufferSize] = {};
  const std::size_t folderLength = static_cast<std::size_t>(GetCtrlFolder(folder, kPathBufferSize));
  // Without a CTRL folder the file is taken from the root of the current drive: "\name".
  if (folderLength + 1 + nameLength > kMaxPath) {
    nameBuffer[0] = '\0';
    return;
  }
  std::memcpy(nameBuffer, folder, folderLength);
  nameBuffer[folderLength] = '\\';
  std::memcpy(nameBuffer + folderLength + 1, name, nameLength + 1);
}

int GetSettingString(const char* section, const char* key, const char* defaultText,
                     char* buffer, unsigned bufferSize) {
  if (buffer == nullptr || bufferSize == 0) return 0;
  char path[kPathBufferSize];
  SettingsPath(path);
  if (path[0] == '\0') {
    std::memset(buffer, 0, bufferSize);
    return 0;
  }
  return static_cast<int>(GetPrivateProfileStringA(section, key, defaultText, buffer, bufferSize, path));
}

void WriteSettingString(const char* section, const char* key, const char* value) {
  char path[kPathBufferSize];
  SettingsPath(path);
  if (path[0] != '\0') WritePrivateProfileStringA(section, key, value, path);
}

void FlushSettings() {
  char path[kPathBufferSize];
  SettingsPath(path);
  if (path[0] != '\0') WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
}

}  // namespace installenv
