// PackBits run-length coding of one row (TIFF compression 32773).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vr14drt {
void PackBitsRow(const std::uint8_t* row, std::size_t length, std::vector<std::uint8_t>& out);
}
