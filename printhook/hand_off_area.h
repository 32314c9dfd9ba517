// The bytes of the hand-off area that the fax programs read: a path, a zero byte, a second
// text (a document name, or empty), a zero byte, all within the area's size.
#pragma once

#include <cstddef>
#include <string_view>

namespace printhook {

// Longest prefix of text, at most limit bytes, that does not split a double-byte character
// (a byte 0x80-0x9F or 0xE0-0xFE leads one).
std::size_t WholeCharactersWithin(std::string_view text, std::size_t limit);

// Writes path, 0, name, 0 to the start of area. The path is never cut: when it does not fit
// with both zero bytes, nothing is written and the result is false. A name that does not
// fit in the rest is cut at a character boundary. Bytes after the second zero are left alone.
bool ComposeHandOffArea(std::string_view path, std::string_view name, unsigned char* area,
                        std::size_t size);

}  // namespace printhook
