// The four exports. Every call decides anew, from the registry and the files, whether the
// common data of a client PC or VRW32.INI applies; nothing is kept between calls.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "faxuser/common_data.h"
#include "faxuser/faxuser_constants.h"
#include "installenv/installenv.h"
#include "installenv/installenv_constants.h"
#include "installenv/path_scan.h"

namespace faxuser {
namespace {

using installenv::kPathBufferSize;

bool IsClient() { return installenv::GetComSysInt(kClientValue, 0) != 0; }

CommonIniRecord ReadClientCommonIni() {
  char path[kPathBufferSize];
  GetCommonIniPath(path, kPathBufferSize);
  CommonIniRecord record;
  ReadCommonIni(record, path);
  return record;
}

// One user setting: from the common file when the PC is a client and its deciding flag is set,
// else from VRW32.INI [User].
int ReadUserSetting(const char* key, const char* defaultText, std::int32_t CommonIniRecord::*decidingFlag,
                    const char* commonFile, char* buffer, unsigned size) {
  if (buffer == nullptr || size == 0) return 0;
  if (IsClient() && ReadClientCommonIni().*decidingFlag == 1) {
    char folder[kPathBufferSize];
    GetCommonFolder(folder, kPathBufferSize);
    char file[kPathBufferSize];
    installenv::JoinPath(folder, commonFile, file, sizeof file);
    return ReadUserEntry(file, key, defaultText, buffer, size);
  }
  return installenv::GetSettingString(kUserSection, key, defaultText, buffer, size);
}

}  // namespace
}  // namespace faxuser

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }

__declspec(dllexport) int WINAPI FAXUSER_IsCLICMNDIAL() {
  using namespace faxuser;
  if (!IsClient()) return 0;
  return ReadClientCommonIni().CmnDial;
}

__declspec(dllexport) int WINAPI FAXUSER_GetUserInfo(char* buffer, unsigned size) {
  using namespace faxuser;
  return ReadUserSetting(kUserInfoKey, "", &CommonIniRecord::CmnHead, kHeadFileName, buffer, size);
}

__declspec(dllexport) int WINAPI FAXUSER_GetUserFont(char* buffer, unsigned size) {
  using namespace faxuser;
  return ReadUserSetting(kUserFontKey, kDefaultUserFont, &CommonIniRecord::CmnHead, kHeadFileName, buffer, size);
}

__declspec(dllexport) int WINAPI FAXUSER_GetUserID(char* buffer, unsigned size) {
  using namespace faxuser;
  return ReadUserSetting(kUserIdKey, "", &CommonIniRecord::CmnUserId, kUserIdFileName, buffer, size);
}

}  // extern "C"
