// Registry reads of the product key and its ComSys subkey.
#include <windows.h>

#include <cstring>

#include "installenv/installenv.h"
#include "installenv/installenv_constants.h"
#include "installenv/path_scan.h"

namespace installenv {
namespace {

// Copies text into buffer when it fits; returns its length, or 0 (buffer left empty).
int CopyDefault(const char* text, char* buffer, unsigned bufferSize) {
  const std::size_t length = std::strlen(text);
  if (length >= bufferSize) return 0;
  std::memcpy(buffer, text, length);
  return static_cast<int>(length);
}

enum class ReadResult { NoKey, Read };

// Reads a string value into the zero-filled buffer. A value that is not a string, does not fit
// with its terminator, or cannot be read leaves the buffer empty: it counts as absent.
ReadResult ReadStringValue(const char* keyPath, const char* valueName, char* buffer, unsigned bufferSize) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, kKeyRead, &key) != ERROR_SUCCESS) {
    return ReadResult::NoKey;
  }
  DWORD type = 0;
  DWORD size = bufferSize;
  const LONG status = RegQueryValueExA(key, valueName, nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  const bool isString = type == REG_SZ || type == REG_EXPAND_SZ;
  const bool terminated = bufferSize > 0 && std::memchr(buffer, '\0', bufferSize) != nullptr;
  if (status != ERROR_SUCCESS || !isString || !terminated) std::memset(buffer, 0, bufferSize);
  return ReadResult::Read;
}

}  // namespace

int GetRegString(const char* valueName, const char* defaultText, char* buffer, unsigned bufferSize) {
  if (buffer == nullptr || bufferSize == 0) return 0;
  std::memset(buffer, 0, bufferSize);
  if (ReadStringValue(kProductKey, valueName, buffer, bufferSize) == ReadResult::NoKey) {
    return defaultText != nullptr ? CopyDefault(defaultText, buffer, bufferSize) : 0;
  }
  // Folder values longer than a path are refused rather than cut.
  if (buffer[0] == '\0' || std::strlen(buffer) > kMaxPath) {
    std::memset(buffer, 0, bufferSize);
    return 0;
  }
  return static_cast<int>(RemoveTrailingBackslash(buffer));
}

int GetComSysString(const char* valueName, const char* defaultText, char* buffer, unsigned bufferSize) {
  if (buffer == nullptr || bufferSize == 0) return 0;
  std::memset(buffer, 0, bufferSize);
  ReadStringValue(kComSysKey, valueName, buffer, bufferSize);
  if (buffer[0] != '\0') return static_cast<int>(std::strlen(buffer));
  return defaultText != nullptr ? CopyDefault(defaultText, buffer, bufferSize) : 0;
}

std::int32_t GetComSysInt(const char* valueName, std::int32_t defaultNumber) {
  char work[260] = {};
  if (GetComSysString(valueName, "", work, 257) == 0 || work[0] == '\0') return defaultNumber;
  return ParseDecimal(work);
}

}  // namespace installenv
