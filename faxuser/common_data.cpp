#include "faxuser/common_data.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "faxuser/faxuser_constants.h"
#include "installenv/installenv.h"
#include "installenv/installenv_constants.h"
#include "installenv/path_scan.h"

namespace faxuser {
namespace {

using installenv::kPathBufferSize;

// Resolves parent (asked with a path-sized buffer) and joins name to it.
int ComposeChild(int (*parent)(char*, unsigned), const char* name, char* buffer, unsigned size) {
  std::memset(buffer, 0, size);
  char parentPath[kPathBufferSize];
  if (parent(parentPath, kPathBufferSize) == 0) return 0;
  return static_cast<int>(installenv::JoinPath(parentPath, name, buffer, size));
}

int DataFolder(char* buffer, unsigned size) { return installenv::GetDataFolder(buffer, size); }

void ReadText(const char* path, const char* key, char (&field)[kTextFieldSize]) {
  GetPrivateProfileStringA("UPDATE", key, "", field, kTextFieldSize, path);
}

std::int32_t ReadFlag(const char* path, const char* key) {
  return GetPrivateProfileIntA("CONDITION", key, 0, path) != 0 ? 1 : 0;
}

}  // namespace

int GetClientFolder(char* buffer, unsigned size) {
  return ComposeChild(DataFolder, kClientFolderName, buffer, size);
}

int GetCommonFolder(char* buffer, unsigned size) {
  return ComposeChild(GetClientFolder, kCommonFolderName, buffer, size);
}

int GetCommonIniPath(char* buffer, unsigned size) {
  return ComposeChild(GetCommonFolder, kCommonIniName, buffer, size);
}

int ReadCommonIni(CommonIniRecord& record, const char* path) {
  std::memset(&record, 0, sizeof record);
  if (path[0] == '\0') return 1;
  ReadText(path, "TEL", record.Tel);
  ReadText(path, "QUICK", record.Quick);
  ReadText(path, "HEAD", record.Head);
  ReadText(path, "SENDER", record.Sender);
  ReadText(path, "COVER", record.Cover);
  ReadText(path, "DOC", record.Doc);
  ReadText(path, "VIEWER", record.Viewer);
  ReadText(path, "USERID", record.UserId);
  record.CmnTel = ReadFlag(path, "CMNTEL");
  record.CmnQuick = ReadFlag(path, "CMNQUICK");
  record.CmnDial = ReadFlag(path, "CMNDIAL");
  record.CmnHead = ReadFlag(path, "CMNHEAD");
  record.CmnSender = ReadFlag(path, "CMNSENDER");
  record.CmnCover = ReadFlag(path, "CMNCOVER");
  record.CmnDoc = ReadFlag(path, "CMNDOC");
  record.CmnViewer = ReadFlag(path, "CMNVIEWER");
  record.CmnUserId = ReadFlag(path, "CMNUSERID");
  return 1;
}

int ReadUserEntry(const char* file, const char* key, const char* defaultText, char* buffer, unsigned size) {
  if (file[0] == '\0') {
    // No path to read: the default, cut as the profile read would cut it.
    std::memset(buffer, 0, size);
    const std::size_t length = std::min<std::size_t>(std::strlen(defaultText), size - 1);
    std::memcpy(buffer, defaultText, length);
    return static_cast<int>(length);
  }
  return static_cast<int>(GetPrivateProfileStringA(kUserSection, key, defaultText, buffer, size, file));
}

}  // namespace faxuser
