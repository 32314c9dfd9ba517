// The double-byte rule shared by every byte scan over paths and texts of the product: a byte
// from 0x80 to 0x9F or from 0xE0 to 0xFE opens a two-byte character, and the byte after it is
// never taken for a separator. The ranges are wider than code page 932's lead bytes
// (0x81-0x9F, 0xE0-0xFC), as the product's other programs have always scanned them.
#pragma once

namespace vr {

constexpr bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x80 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFE);
}

}  // namespace vr
