// The driver's section of VRW32.INI and the folders learnt from the rendering DLL, read once
// when the DLL is loaded.
#include <windows.h>

#include "printhook/hook_constants.h"
#include "printhook/hook_state.h"
#include "printhook/writer_api.h"

namespace printhook {
namespace {

void CompleteSettingsPath() {
  LoadHookString(IDS_SETTINGS_FILE, g_hook.SettingsPath, 256);
  VRWENV_GetCtrlFolderFile(g_hook.SettingsPath);
  g_hook.SettingsPath[255] = 0;
}

// Reads one key of the section; an empty settings path is made again first.
void ReadSetting(UINT keyId, const wchar_t* defaultText, wchar_t* value, int capacity) {
  if (g_hook.SettingsPath[0] == 0) CompleteSettingsPath();
  wchar_t key[256];
  LoadHookString(keyId, key, 256);
  GetPrivateProfileStringW(g_hook.SettingsSection, key, defaultText, value, capacity,
                           g_hook.SettingsPath);
}

}  // namespace

void LoadDriverSettings(HINSTANCE) {
  CompleteSettingsPath();
  LoadHookString(IDS_SETTINGS_SECTION, g_hook.SettingsSection, 32);

  wchar_t value[256];
  ReadSetting(IDS_KEY_FILEFORMAT, L"", value, 256);
  g_hook.DibOutput = lstrcmpiW(value, Wide(kDibFormat)) == 0;

  // Read for the record; no behaviour depends on them.
  ReadSetting(IDS_KEY_COMPRESSION, L"", value, 256);
  ReadSetting(IDS_KEY_FILENAMEPROMPT, L"", value, 256);
  ReadSetting(IDS_KEY_DEBUG, L"", value, 256);

  VRWENV_GetVelorixFolder(g_hook.SenderPath, sizeof(g_hook.SenderPath));
  g_hook.SenderPath[kPathChars - 1] = 0;
  int length = lstrlenW(g_hook.SenderPath);
  if (length == 0 || g_hook.SenderPath[length - 1] != L'\\') {
    if (length < kPathChars - 1) g_hook.SenderPath[length++] = L'\\';
    g_hook.SenderPath[length] = 0;
  }
  ReadSetting(IDS_KEY_SENDER, Wide(kDefaultSender), g_hook.SenderPath + length,
              kPathChars - length);

  VRWENV_GetSysPath_DATA_TXPATH(g_hook.TxFolder, sizeof(g_hook.TxFolder));
  g_hook.TxFolder[kPathChars - 1] = 0;
}

}  // namespace printhook
