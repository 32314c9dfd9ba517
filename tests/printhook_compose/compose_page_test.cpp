// ComposePage on the worked pages: line width, margins, trimmed heights, packing, header
// changes, and the finished bytes against the per-pixel turn.
#include <gtest/gtest.h>

#include "page_images.h"

namespace printhook::pagetest {
namespace {

struct PageCase {
  const char* name;
  std::int32_t width, height;
  std::int16_t paper;
  bool landscape, colour;
  std::int16_t printQuality, yResolution;
  // expected
  std::uint32_t lineWidth, rows, leftPixels, rowBytes, count;
};

const PageCase kPages[] = {
    {"A4 200 dpi", 1700, 40, 9, false, false, 200, 200, 1728, 40, 8, 216, 40 * 216},
    {"A4 full line", 1728, 30, 9, false, false, 200, 200, 1728, 30, 0, 216, 30 * 216},
    {"A4 1712 wide", 1712, 30, 9, false, false, 200, 200, 1728, 30, 8, 216, 30 * 216},
    {"A4 400 dpi", 3400, 40, 9, false, false, 400, 400, 3456, 40, 24, 432, 40 * 432},
    {"A4 landscape", 2000, 1700, 9, true, false, 300, 200, 1728, 2000, 8, 216, 2000 * 216},
    {"A4 landscape 400", 3000, 3300, 9, true, false, 200, 400, 3456, 3000, 72, 432, 3000 * 432},
    {"4584 rows", 64, 4584, 9, false, false, 200, 200, 1728, 4580, 832, 216, 4580 * 216},
    {"4583 rows", 64, 4583, 9, false, false, 200, 200, 1728, 4583, 832, 216, 4583 * 216},
    {"1152 rows", 64, 1152, 9, false, false, 200, 200, 1728, 1145, 832, 216, 1145 * 216},
    {"1153 rows", 64, 1153, 9, false, false, 200, 200, 1728, 1153, 832, 216, 1153 * 216},
    {"1152 rows landscape", 1152, 100, 9, true, false, 200, 200, 1728, 1145, 808, 216, 1145 * 216},
    {"Tabloid", 2100, 30, 3, false, false, 200, 200, 2200, 30, 48, 275, 30 * 276},
    {"paper code 70", 1700, 10, 70, false, false, 200, 200, 1728, 10, 8, 216, 10 * 216},
    {"B4 400 dpi", 4000, 12, 12, false, false, 400, 200, 4096, 12, 48, 512, 12 * 512},
    {"colour A4", 1700, 20, 9, false, true, 200, 200, 1728, 20, 8, 3 * 1728, 20 * 3 * 1728},
    {"colour 1727 wide", 1727, 20, 9, false, true, 200, 200, 1728, 20, 0, 3 * 1728, 20 * 3 * 1728},
    {"colour landscape", 1000, 1690, 9, true, true, 200, 200, 1728, 1000, 16, 3 * 1728,
     1000 * 3 * 1728},
};

// The finished page by the rules, from the per-pixel turn.
std::vector<std::uint8_t> ExpectedPage(const PageCase& c, const std::vector<std::uint8_t>& block) {
  const std::uint32_t w = static_cast<std::uint32_t>(c.width), h = static_cast<std::uint32_t>(c.height);
  std::vector<std::uint8_t> image = block;
  std::size_t imageStride = c.colour ? ColorStride(w) : MonoStride(w);
  std::uint32_t imageWidth = w;
  if (c.landscape) {
    imageWidth = h;
    if (c.colour) {
      std::vector<std::uint8_t> turned(w * ColorStride(h), 0xFF);
      ReferenceRotateColor(turned.data(), block.data(), w, h, static_cast<std::uint32_t>(imageStride));
      imageStride = ColorStride(h);
      image.swap(turned);
    } else {
      std::vector<std::uint8_t> completed = block;
      completed.resize(8 * ((h + 7) / 8) * imageStride, 0xFF);
      std::vector<std::uint8_t> turned(8 * imageStride * MonoStride(h), 0xFF);
      ReferenceRotateMono(turned.data(), completed.data(), static_cast<std::uint32_t>(imageStride), h);
      imageStride = MonoStride(h);
      image.swap(turned);
    }
  }
  std::vector<std::uint8_t> page(c.count, 0xFF);
  const std::size_t copy = c.colour ? 3 * std::size_t{imageWidth} : (imageWidth + 7) / 8;
  const std::size_t left = c.colour ? 3 * c.leftPixels : c.leftPixels / 8;
  for (std::size_t r = 0; r < c.rows; ++r)
    std::memcpy(&page[r * c.rowBytes + left], &image[r * imageStride], copy);
  return page;
}

TEST(ComposePage, WorkedPages) {
  for (const PageCase& c : kPages) {
    SCOPED_TRACE(c.name);
    SpoolHeader header = MakeHeader(c.width, c.height, c.paper, c.landscape, c.colour,
                                    c.printQuality, c.yResolution);
    const SpoolHeader before = header;
    const std::size_t stride = c.colour ? ColorStride(c.width) : MonoStride(c.width);
    const auto block = RandomBytes(stride * c.height, static_cast<std::uint32_t>(c.width + c.height));
    TestMemory memory;
    ComposedPage page;
    ASSERT_EQ(ComposeStatus::Ok, ComposePage(header, block.data(), block.size(), memory, page));

    EXPECT_EQ(header.Width, static_cast<std::int32_t>(c.lineWidth));
    EXPECT_EQ(header.Height, static_cast<std::int32_t>(c.rows));
    EXPECT_EQ(header.DevMode.dmPrintQuality, c.landscape ? c.yResolution : c.printQuality);
    EXPECT_EQ(header.DevMode.dmYResolution, c.landscape ? c.printQuality : c.yResolution);
    EXPECT_EQ(page.byteCount, c.count);
    EXPECT_EQ(page.bitsPerPixel, c.colour ? 24 : 1);
    EXPECT_EQ(page.compression, c.colour ? kCompressionJpeg : kCompressionPackBits);
    EXPECT_EQ(memory.requests.back(), c.count + kPageSpareBytes);
    EXPECT_EQ(page.scratch != nullptr, c.landscape);
    // Nothing else in the header moves.
    SpoolHeader rest = header;
    rest.Width = before.Width;
    rest.Height = before.Height;
    rest.Quality = before.Quality;
    rest.DevMode.dmPrintQuality = before.DevMode.dmPrintQuality;
    rest.DevMode.dmYResolution = before.DevMode.dmYResolution;
    EXPECT_EQ(0, std::memcmp(&rest, &before, sizeof rest));

    const auto expected = ExpectedPage(c, block);
    ASSERT_EQ(0, std::memcmp(expected.data(), page.bits, c.count));
    ReleaseComposedPage(memory, page);
    EXPECT_EQ(memory.live, 0);
    EXPECT_EQ(page.bits, nullptr);
  }
}

TEST(ComposePage, LandscapeRowsStartWithTheBlankRowsOfTheCompletion) {
  // 2000 x 1700, all black: rotated rows hold 213 bytes, their first 4 pixels blank, after the
  // one-byte margin; the rest of the 216-byte row is margin.
  SpoolHeader header = MakeHeader(2000, 1700, 9, true);
  std::vector<std::uint8_t> block(MonoStride(2000) * 1700, 0x00);
  TestMemory memory;
  ComposedPage page;
  ASSERT_EQ(ComposeStatus::Ok, ComposePage(header, block.data(), block.size(), memory, page));
  for (std::size_t r : {std::size_t{0}, std::size_t{999}, std::size_t{1999}}) {
    const std::uint8_t* row = page.bits + r * 216;
    EXPECT_EQ(row[0], 0xFF);
    EXPECT_EQ(row[1], 0xF0);
    for (int k = 2; k <= 213; ++k) ASSERT_EQ(row[k], 0x00) << r << " " << k;
    EXPECT_EQ(row[214], 0xFF);
    EXPECT_EQ(row[215], 0xFF);
  }
  ReleaseComposedPage(memory, page);
}

TEST(ComposePage, TabloidLeavesTheRowPaddingBlankAtTheEnd) {
  SpoolHeader header = MakeHeader(2200, 30, 3);
  std::vector<std::uint8_t> block(MonoStride(2200) * 30, 0x00);
  TestMemory memory;
  ComposedPage page;
  ASSERT_EQ(ComposeStatus::Ok, ComposePage(header, block.data(), block.size(), memory, page));
  ASSERT_EQ(page.byteCount, 30u * 276);
  for (std::size_t i = 0; i < 30 * 275; ++i) ASSERT_EQ(page.bits[i], 0x00) << i;
  for (std::size_t i = 30 * 275; i < 30 * 276; ++i) ASSERT_EQ(page.bits[i], 0xFF) << i;
  ReleaseComposedPage(memory, page);
}

TEST(ComposePage, QualityFollowsTheSelector) {
  const struct {
    std::int16_t selector;
    std::uint16_t quality;
  } kCases[] = {{1, 50}, {0, 75}, {2, 75}, {-1, 75}};
  for (const auto& c : kCases) {
    SpoolHeader header = MakeHeader(1700, 2);
    header.QualitySelector = c.selector;
    const std::vector<std::uint8_t> block(216 * 2, 0x55);
    TestMemory memory;
    ComposedPage page;
    ASSERT_EQ(ComposeStatus::Ok, ComposePage(header, block.data(), block.size(), memory, page));
    EXPECT_EQ(header.Quality, c.quality) << c.selector;
    ReleaseComposedPage(memory, page);
  }
}

TEST(StandardWidth, ByPaperCode) {
  const std::pair<std::int16_t, std::uint32_t> kWidths[] = {
      {1, 1728}, {2, 1728}, {3, 2200}, {4, 1728},  {5, 1728},  {6, 1056},  {7, 1728},  {8, 2432},
      {9, 1728}, {10, 1728}, {11, 1120}, {12, 2048}, {13, 1376}, {0, 1728}, {14, 1728}, {70, 1728},
      {-1, 1728}};
  for (const auto& [paper, width] : kWidths) EXPECT_EQ(StandardWidth(paper), width) << paper;
}

}  // namespace
}  // namespace printhook::pagetest
