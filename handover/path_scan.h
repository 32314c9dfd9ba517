// Byte scans over code page 932 paths that never take a trail byte for a separator.
#pragma once

#include <cstddef>
#include <string>

#include "common/double_byte.h"
#include "installenv/installenv_constants.h"
#include "installenv/path_scan.h"

namespace handover {

// The platform's path limit: the longest path, in bytes, without the terminator, and a path
// record of kMaxPath bytes plus the terminator.
constexpr size_t kMaxPath = installenv::kMaxPath;
constexpr size_t kPathRecordSize = installenv::kPathBufferSize;

using vr::IsLeadByte;
// Removes one final single-byte backslash in place: the installation's own walk.
using installenv::RemoveTrailingBackslash;

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
