#include "handover/path_scan.h"

#include <cstring>

namespace handover {

namespace {

// Only the byte before the final backslash decides, as the older tool did.
bool NeedsBackslash(const char* path, size_t length) {
  if (length == 0 || path[length - 1] != '\\') return true;
  if (length == 1) return false;
  return IsLeadByte(static_cast<unsigned char>(path[length - 2]));
}

}  // namespace

void AddTrailingBackslash(std::string& path) {
  if (NeedsBackslash(path.data(), path.size())) path += '\\';
}

bool AddTrailingBackslash(char* path, size_t capacity) {
  const size_t length = std::strlen(path);
  if (!NeedsBackslash(path, length)) return true;
  if (length + 2 > capacity) return false;
  path[length] = '\\';
  path[length + 1] = '\0';
  return true;
}

bool EndsWithSuffix(const std::string& path, const char* suffix) {
  const size_t length = std::strlen(suffix);
  if (path.size() < length) return false;
  const char* tail = path.data() + path.size() - length;
  for (size_t i = 0; i < length; ++i) {
    unsigned char a = static_cast<unsigned char>(tail[i]);
    unsigned char b = static_cast<unsigned char>(suffix[i]);
    if (a >= 'A' && a <= 'Z') a = static_cast<unsigned char>(a - 'A' + 'a');
    if (b >= 'A' && b <= 'Z') b = static_cast<unsigned char>(b - 'A' + 'a');
    if (a != b) return false;
  }
  return true;
}

bool StorePath(char* record, const std::string& text) {
  std::memset(record, 0, kPathRecordSize);
  if (text.size() > kMaxPath) return false;
  std::memcpy(record, text.data(), text.size());
  return true;
}

}  // namespace handover
