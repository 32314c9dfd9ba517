#include "installenv/path_scan.h"

#include <climits>
#include <cstring>

namespace installenv {

std::size_t RemoveTrailingBackslash(char* text) {
  std::size_t length = std::strlen(text);
  std::size_t pos = 0;
  while (pos < length) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte == '\\' && pos + 1 == length) {
      text[pos] = '\0';
      return length - 1;
    }
    pos += IsLeadByte(byte) ? 2 : 1;
  }
  return length;
}

std::size_t FolderLevelEnd(const char* path, std::size_t pos) {
  while (path[pos] != '\0') {
    if (path[pos] == '\\' && (pos == 0 || path[pos - 1] != ':')) break;
    ++pos;
  }
  return pos;
}

std::int32_t ParseDecimal(const char* text) {
  const char* p = text;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  std::int64_t value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > static_cast<std::int64_t>(INT32_MAX) + 1) value = static_cast<std::int64_t>(INT32_MAX) + 1;
  }
  if (negative) return value > INT32_MAX ? INT32_MIN : static_cast<std::int32_t>(-value);
  return value > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(value);
}

std::size_t JoinPath(const char* parent, const char* name, char* out, std::size_t outSize) {
  if (outSize == 0) return 0;
  std::memset(out, 0, outSize);
  const std::size_t parentLength = std::strlen(parent);
  const std::size_t nameLength = std::strlen(name);
  const std::size_t total = parentLength + 1 + nameLength;
  if (parentLength == 0 || total >= outSize) return 0;
  std::memcpy(out, parent, parentLength);
  out[parentLength] = '\\';
  std::memcpy(out + parentLength + 1, name, nameLength);
  return total;
}

}  // namespace installenv
