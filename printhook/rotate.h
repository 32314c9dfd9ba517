// Quarter turn of page images: source row y, column x lands on destination row x, column
// W' - 1 - y (W' = height for 24-bit images, height rounded up to 8 for 1-bit images).
#pragma once

#include <cstddef>
#include <cstdint>

namespace printhook {

// 1-bit image: reads ceil(height / 8) * 8 rows of sourceStride bytes and writes 8 * sourceStride
// rows of 4 * ceil(height / 32) bytes; bytes ceil(height / 8) and beyond of each row are left alone.
void RotateMono(std::uint8_t* destination, const std::uint8_t* source, std::uint32_t sourceStride,
                std::uint32_t height);

// 24-bit image: writes width rows of 4 * ceil(3 * height / 4) bytes; the padding of each row is
// left alone.
void RotateColor(std::uint8_t* destination, const std::uint8_t* source, std::uint32_t width,
                 std::uint32_t height, std::uint32_t sourceStride);

// RotateColor of a block that may end early: only whole pixels within the first sourceBytes
// bytes are moved, the places of the others are left alone.
void RotateColorBounded(std::uint8_t* destination, const std::uint8_t* source, std::uint32_t width,
                        std::uint32_t height, std::uint32_t sourceStride, std::size_t sourceBytes);

// The plain form of RotateMono, one 8 x 8 block at a time; the fast form must match it byte
// for byte, and small images use it directly.
void RotateMonoBlocks(std::uint8_t* destination, const std::uint8_t* source,
                      std::uint32_t sourceStride, std::uint32_t height);

}  // namespace printhook
