// Finding the fax product's installation: the product's registry key, the CTRL and DATA
// folders (with the machine-wide defaults and their creation), the path of VRW32.INI and
// single-entry reads and writes of it. ANSI byte strings (code page 932) throughout.
//
// Nothing is kept between calls. A failure is told by the result 0 and an empty buffer;
// an operation that fills a caller's buffer zero-fills all bufferSize bytes first.
#pragma once

#include <cstdint>

namespace installenv {

// Value of the product key (HKLM\Software\HALVERON\VELORIX 14), one trailing backslash removed.
int GetRegString(const char* valueName, const char* defaultText, char* buffer, unsigned bufferSize);

// CTRL and DATA folders without a trailing backslash; the default folder under the platform's
// common folder is created when missing.
int GetCtrlFolder(char* buffer, unsigned bufferSize);
int GetDataFolder(char* buffer, unsigned bufferSize);

int IsFolder(const char* path);          // 1: an existing folder
int CreateFolderTree(const char* path);  // 1: every level exists as a folder afterwards

// nameBuffer (kPathBufferSize bytes) holds a bare file name; on return the CTRL folder, a
// backslash and that name. Empty when the result would not fit a path.
void GetCtrlFolderFile(char* nameBuffer);

// One entry of VRW32.INI in the CTRL folder.
int GetSettingString(const char* section, const char* key, const char* defaultText,
                     char* buffer, unsigned bufferSize);
void WriteSettingString(const char* section, const char* key, const char* value);
void FlushSettings();

// Values of the ComSys subkey (no backslash trimming; the default also covers an empty value).
int GetComSysString(const char* valueName, const char* defaultText, char* buffer, unsigned bufferSize);
std::int32_t GetComSysInt(const char* valueName, std::int32_t defaultNumber);

}  // namespace installenv
