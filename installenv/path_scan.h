// Byte scans over ANSI paths and texts that need no platform: the double-byte walk that
// removes one trailing backslash, the level scan of CreateFolderTree, and the decimal
// conversion of ComSys values.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/double_byte.h"

namespace installenv {

using vr::IsLeadByte;

// Walks the string from its first byte, stepping over double-byte characters; a backslash met
// as a single-byte character that is the last byte is overwritten with a terminator.
// Returns the string's length afterwards.
std::size_t RemoveTrailingBackslash(char* text);

// End of the folder level that starts at pos: the position of the next backslash that stands
// at position 0 or does not follow a colon, or the end of the path. Every 0x5C byte counts
// (no double-byte rule), as the product's folder creation has always scanned.
std::size_t FolderLevelEnd(const char* path, std::size_t pos);

// The standard string-to-integer conversion: leading white space, an optional sign, digits up to
// the first other byte; no digits give 0. Out-of-range values saturate instead of overflowing.
std::int32_t ParseDecimal(const char* text);

// Joins parent, a backslash and name into out (outSize bytes, zero-filled first). Returns the
// length, or 0 with out empty when parent is empty or the result does not fit in outSize - 1.
std::size_t JoinPath(const char* parent, const char* name, char* out, std::size_t outSize);

}  // namespace installenv
