// One page as a Windows bitmap file: 1 bit with a black-and-white palette, or 24 bits.
#pragma once

#include <cstdint>
#include <string>

namespace vr14drt {
bool WriteDibFile(const std::wstring& path, const std::uint8_t* bits, std::uint32_t width,
                  std::uint32_t height, std::uint32_t bitsPerPixel, std::uint32_t xDpi,
                  std::uint32_t yDpi);
}
