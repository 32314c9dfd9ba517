// Byte scans over code page 932 paths that never take a trail byte for a separator.
#pragma once

#include <cstddef>
#include <string>

namespace handover {

constexpr size_t kMaxPath = 260;        // longest path, in bytes, without the terminator
constexpr size_t kPathRecordSize = 261;  // a path record: kMaxPath plus the terminator

// The walk's lead-byte range, wider on purpose than code page 932's own (0x81-0x9F, 0xE0-0xFC).
inline bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x80 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFE);
}

// Removes one final single-byte backslash in place.
void TrimTrailingBackslash(char* path);
// Appends a backslash unless the path already ends in a single-byte one.
void AddTrailingBackslash(std::string& path);
// Same on a buffer of `capacity` bytes; false (path unchanged) when there is no room.
bool AddTrailingBackslash(char* path, size_t capacity);
// The last bytes of path equal suffix, ignoring the case of ASCII letters.
bool EndsWithSuffix(const std::string& path, const char* suffix);
// Copies text into a path record of kPathRecordSize bytes (zero-filled first); false when
// text is longer than kMaxPath, leaving the record empty.
bool StorePath(char* record, const std::string& text);

}  // namespace handover
