// Baseline JPEG of a 24-bit page through the Windows Imaging Component.
#pragma once

#include <cstdint>
#include <vector>

namespace vr14drt {

struct JpegImage {
  std::vector<std::uint8_t> stream;  // a complete interchange stream, SOI to EOI
  std::uint16_t subsamplingH = 2, subsamplingV = 2;
};

// bgr: rows of 3 x width bytes, blue first (the byte order of the page).
bool EncodeJpeg(const std::uint8_t* bgr, std::uint32_t width, std::uint32_t height, int quality,
                JpegImage& image);

}  // namespace vr14drt
