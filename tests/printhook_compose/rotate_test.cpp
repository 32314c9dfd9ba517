// The two quarter turns against the per-pixel rule, on random images of many sizes.
#include <gtest/gtest.h>

#include "page_images.h"

namespace printhook::pagetest {
namespace {

struct Size {
  std::uint32_t width;
  std::uint32_t height;
};

// Narrow and wide, heights on and off multiples of 8, 32 and of the 16-block groups, and a
// whole landscape A4 page at 200 dpi.
const Size kSizes[] = {
    {1, 1},      {7, 3},     {8, 8},     {15, 9},    {16, 16},   {31, 17},   {32, 64},
    {33, 127},   {100, 128}, {127, 129}, {128, 130}, {129, 135}, {200, 255}, {255, 256},
    {256, 257},  {500, 300}, {513, 391}, {640, 480}, {1000, 13}, {13, 1000}, {1700, 129},
    {2339, 1654},
};

TEST(RotateMono, MatchesPerPixelTurn) {
  for (const Size& s : kSizes) {
    SCOPED_TRACE(testing::Message() << s.width << " x " << s.height);
    const std::uint32_t stride = static_cast<std::uint32_t>(MonoStride(s.width));
    const std::size_t n = (s.height + 7) / 8;
    const std::size_t d = MonoStride(s.height);
    const auto source = RandomBytes(8 * n * stride, s.width * 7919 + s.height);
    std::vector<std::uint8_t> expected(8 * stride * d, 0x5A);
    std::vector<std::uint8_t> actual = expected;
    ReferenceRotateMono(expected.data(), source.data(), stride, s.height);
    RotateMono(actual.data(), source.data(), stride, s.height);
    ASSERT_EQ(expected, actual);
  }
}

TEST(RotateMono, FastFormMatchesBlockFormOnFullPages) {
  // The 400-dpi landscape A4 page and the 200-dpi one.
  for (const Size& s : {Size{4680, 3304}, Size{2339, 1656}}) {
    const std::uint32_t stride = static_cast<std::uint32_t>(MonoStride(s.width));
    const auto source = RandomBytes(std::size_t{s.height} * stride, s.height);
    std::vector<std::uint8_t> expected(8 * stride * MonoStride(s.height), 0x5A);
    std::vector<std::uint8_t> actual = expected;
    RotateMonoBlocks(expected.data(), source.data(), stride, s.height);
    RotateMono(actual.data(), source.data(), stride, s.height);
    ASSERT_EQ(expected, actual) << s.width << " x " << s.height;
  }
}

TEST(RotateMono, OneBlockByTheRule) {
  // Row r of the block holds one black pixel at column r: the transpose puts it at bit 2^r of
  // byte l == r.
  std::uint8_t source[8 * 4];
  std::memset(source, 0, sizeof source);
  for (int r = 0; r < 8; ++r) source[r * 4] = static_cast<std::uint8_t>(0x80 >> r);
  std::uint8_t destination[32 * 4];
  std::memset(destination, 0xEE, sizeof destination);
  RotateMono(destination, source, 4, 8);
  for (int l = 0; l < 8; ++l) {
    EXPECT_EQ(destination[l * 4], 1 << l) << l;
    EXPECT_EQ(destination[l * 4 + 1], 0xEE) << "bytes from n on are not written";
  }
}

TEST(RotateColor, MatchesPerPixelTurn) {
  for (const Size& s : kSizes) {
    SCOPED_TRACE(testing::Message() << s.width << " x " << s.height);
    const std::uint32_t stride = static_cast<std::uint32_t>(ColorStride(s.width));
    const auto source = RandomBytes(std::size_t{s.height} * stride, s.width + 31 * s.height);
    std::vector<std::uint8_t> expected(s.width * ColorStride(s.height), 0x5A);
    std::vector<std::uint8_t> actual = expected;
    ReferenceRotateColor(expected.data(), source.data(), s.width, s.height, stride);
    RotateColor(actual.data(), source.data(), s.width, s.height, stride);
    ASSERT_EQ(expected, actual);
  }
}

TEST(RotateColor, KeepsByteOrderOfEveryPixel) {
  // 2 x 2 pixels with distinct bytes: row 0 becomes the right column.
  const std::uint8_t source[2 * 8] = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  std::uint8_t destination[2 * 8];
  std::memset(destination, 0xEE, sizeof destination);
  RotateColor(destination, source, 2, 2, 8);
  const std::uint8_t expected[2 * 8] = {7, 8, 9, 1, 2, 3, 0xEE, 0xEE,
                                        10, 11, 12, 4, 5, 6, 0xEE, 0xEE};
  EXPECT_EQ(0, std::memcmp(expected, destination, sizeof expected));
}

TEST(RotateColorBounded, MovesOnlyWholePixelsOfTheBlock) {
  const std::uint32_t width = 37, height = 23;
  const std::uint32_t stride = static_cast<std::uint32_t>(ColorStride(width));
  const auto full = RandomBytes(std::size_t{height} * stride, 5);
  for (std::size_t bytes : {std::size_t{0}, std::size_t{2}, std::size_t{stride} * 5 + 7,
                            std::size_t{stride} * height - 1}) {
    SCOPED_TRACE(bytes);
    std::vector<std::uint8_t> source(full.begin(), full.begin() + bytes);  // exactly the block
    std::vector<std::uint8_t> expected(width * ColorStride(height), 0x5A);
    std::vector<std::uint8_t> actual = expected;
    // Reference: the image with the missing pixels taken from the destination's old bytes.
    for (std::size_t y = 0; y < height; ++y)
      for (std::size_t x = 0; x < width; ++x)
        if (y * stride + 3 * x + 3 <= bytes)
          std::memcpy(&expected[x * ColorStride(height) + 3 * (height - 1 - y)],
                      &full[y * stride + 3 * x], 3);
    RotateColorBounded(actual.data(), source.data(), width, height, stride, bytes);
    ASSERT_EQ(expected, actual);
  }
}

}  // namespace
}  // namespace printhook::pagetest
