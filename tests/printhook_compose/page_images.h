// Test helpers: an allocation seam that can refuse chosen requests, page images, and the
// per-pixel form of the quarter turn.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <set>
#include <vector>

#include "printhook/compose_page.h"

namespace printhook::pagetest {

// Hands out separate heap blocks (so that the address sanitizer sees every overrun) and
// refuses the requests whose numbers (from 0) are in failAt.
class TestMemory : public PageMemory {
 public:
  std::set<int> failAt;
  std::vector<std::size_t> requests;  // sizes asked for, in order
  int live = 0;

  void* Acquire(std::size_t bytes) override {
    const int number = static_cast<int>(requests.size());
    requests.push_back(bytes);
    if (failAt.count(number)) return nullptr;
    auto* block = new std::uint8_t[bytes ? bytes : 1];
    std::memset(block, 0xA5, bytes);  // neither blank nor black: shows bytes left unwritten
    ++live;
    return block;
  }
  void Release(void* block) override {
    if (block == nullptr) return;
    delete[] static_cast<std::uint8_t*>(block);
    --live;
  }
};

inline SpoolHeader MakeHeader(std::int32_t width, std::int32_t height, std::int16_t paper = 9,
                              bool landscape = false, bool colour = false,
                              std::int16_t printQuality = 200, std::int16_t yResolution = 200) {
  SpoolHeader h;
  std::memset(&h, 0, sizeof h);
  std::memcpy(h.Tag, kSpoolHeaderTag, 4);
  h.Width = width;
  h.Height = height;
  h.DevMode.dmPaperSize = paper;
  h.DevMode.dmOrientation = landscape ? kOrientLandscape : 1;
  h.DevMode.dmColor = colour ? kColorColor : 1;
  h.DevMode.dmPrintQuality = printQuality;
  h.DevMode.dmYResolution = yResolution;
  return h;
}

inline std::vector<std::uint8_t> RandomBytes(std::size_t count, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<std::uint8_t> bytes(count);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  return bytes;
}

inline bool MonoPixel(const std::uint8_t* image, std::size_t stride, std::size_t row,
                      std::size_t column) {
  return (image[row * stride + column / 8] >> (7 - column % 8)) & 1;
}

inline void SetMonoPixel(std::uint8_t* image, std::size_t stride, std::size_t row,
                         std::size_t column, bool value) {
  std::uint8_t& b = image[row * stride + column / 8];
  const std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (column % 8));
  b = value ? (b | bit) : (b & ~bit);
}

// Destination row x, column 8n - 1 - y = source row y, column x, pixel by pixel.
inline void ReferenceRotateMono(std::uint8_t* destination, const std::uint8_t* source,
                                std::uint32_t sourceStride, std::uint32_t height) {
  const std::size_t n = (height + 7) / 8;
  const std::size_t d = MonoStride(height);
  for (std::size_t y = 0; y < 8 * n; ++y)
    for (std::size_t x = 0; x < 8 * std::size_t{sourceStride}; ++x)
      SetMonoPixel(destination, d, x, 8 * n - 1 - y, MonoPixel(source, sourceStride, y, x));
}

// Destination row x, column H - 1 - y = source row y, column x, three bytes each.
inline void ReferenceRotateColor(std::uint8_t* destination, const std::uint8_t* source,
                                 std::uint32_t width, std::uint32_t height,
                                 std::uint32_t sourceStride) {
  const std::size_t d = ColorStride(height);
  for (std::size_t y = 0; y < height; ++y)
    for (std::size_t x = 0; x < width; ++x)
      std::memcpy(destination + x * d + 3 * (height - 1 - y), source + y * sourceStride + 3 * x, 3);
}

}  // namespace printhook::pagetest
