// ComposePage when memory runs out, on bad geometry, and on the pages it mends: short blocks,
// over-wide images and very narrow landscape pages.
#include <gtest/gtest.h>

#include <climits>

#include "page_images.h"

namespace printhook::pagetest {
namespace {

bool SameHeader(const SpoolHeader& a, const SpoolHeader& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ComposePageFailures, RotationScratchOrCompletionCopyRefused) {
  // Request 0 is the rotation scratch, request 1 the row-completion copy (1701 rows are no
  // whole number of 8-row blocks).
  for (int refused : {0, 1}) {
    SCOPED_TRACE(refused);
    SpoolHeader header = MakeHeader(2000, 1701, 9, true, false, 300, 200);
    const SpoolHeader before = header;
    const std::vector<std::uint8_t> block(MonoStride(2000) * 1701, 0x00);
    TestMemory memory;
    memory.failAt = {refused};
    ComposedPage page;
    page.bits = reinterpret_cast<std::uint8_t*>(&memory);  // must be reset
    EXPECT_EQ(ComposeStatus::NoRotationScratch,
              ComposePage(header, block.data(), block.size(), memory, page));
    EXPECT_TRUE(SameHeader(header, before));
    EXPECT_EQ(memory.live, 0);
    EXPECT_EQ(memory.requests.size(), std::size_t(refused + 1));
    EXPECT_EQ(page.bits, nullptr);
    EXPECT_EQ(page.scratch, nullptr);
  }
}

TEST(ComposePageFailures, ColourRotationScratchRefused) {
  SpoolHeader header = MakeHeader(100, 50, 9, true, true, 300, 200);
  const SpoolHeader before = header;
  const std::vector<std::uint8_t> block(ColorStride(100) * 50, 0x10);
  TestMemory memory;
  memory.failAt = {0};
  ComposedPage page;
  EXPECT_EQ(ComposeStatus::NoRotationScratch,
            ComposePage(header, block.data(), block.size(), memory, page));
  EXPECT_TRUE(SameHeader(header, before));
  EXPECT_EQ(memory.live, 0);
}

TEST(ComposePageFailures, PageBufferRefusedLeavesTheTurnedGeometry) {
  const struct {
    bool landscape, colour;
    std::int32_t width, height;
    int pageRequest;
    std::int32_t widthAfter, heightAfter;
    std::int16_t printQualityAfter, yResolutionAfter;
  } kCases[] = {
      {true, false, 2000, 1701, 2, 1701, 2000, 200, 300},
      {true, false, 4584, 1600, 1, 1600, 4580, 200, 300},  // no completion copy: 1600 = 8 x 200
      {true, true, 300, 200, 1, 200, 300, 200, 300},
      {false, false, 1700, 1152, 0, 1700, 1145, 300, 200},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.width);
    SpoolHeader header = MakeHeader(c.width, c.height, 9, c.landscape, c.colour, 300, 200);
    SpoolHeader expected = header;
    expected.Width = c.widthAfter;
    expected.Height = c.heightAfter;
    expected.DevMode.dmPrintQuality = c.printQualityAfter;
    expected.DevMode.dmYResolution = c.yResolutionAfter;
    const std::size_t stride = c.colour ? ColorStride(c.width) : MonoStride(c.width);
    const std::vector<std::uint8_t> block(stride * c.height, 0x33);
    TestMemory memory;
    memory.failAt = {c.pageRequest};
    ComposedPage page;
    EXPECT_EQ(ComposeStatus::NoPageBuffer,
              ComposePage(header, block.data(), block.size(), memory, page));
    EXPECT_EQ(memory.requests.size(), std::size_t(c.pageRequest + 1));
    EXPECT_TRUE(SameHeader(header, expected));
    EXPECT_EQ(memory.live, 0);
    EXPECT_EQ(page.scratch, nullptr);
  }
}

TEST(ComposePageFailures, BadGeometryChangesAndAllocatesNothing) {
  const struct {
    std::int32_t width, height;
    bool landscape, colour;
  } kCases[] = {
      {0, 100, false, false},       {100, 0, false, false},        {-1, 100, false, false},
      {100, -5, true, false},       {INT_MIN, INT_MIN, true, true}, {INT_MAX, 100, false, false},
      {INT_MAX, INT_MAX, true, false}, {100000, 100000, false, true}, {1, INT_MAX, true, false},
      {60000, 1200000, false, false}, {INT_MAX, 1, true, true},
  };
  const std::uint8_t block[4096] = {};
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    SpoolHeader header = MakeHeader(c.width, c.height, 9, c.landscape, c.colour);
    const SpoolHeader before = header;
    TestMemory memory;
    ComposedPage page;
    EXPECT_EQ(ComposeStatus::BadGeometry, ComposePage(header, block, sizeof block, memory, page));
    EXPECT_TRUE(SameHeader(header, before));
    EXPECT_TRUE(memory.requests.empty());
  }
}

// The block ends before its last rows: what it holds is composed, the rest is blank, and
// nothing past the block is read (the block is an exactly sized vector for the sanitizer).
TEST(ComposePageMends, ShortBlockRowsAreBlank) {
  const struct {
    bool landscape, colour;
    std::int32_t width, height;
    std::size_t rowsHeld, extraBytes;
  } kCases[] = {
      {false, false, 1700, 40, 25, 100}, {false, true, 1700, 20, 7, 1000},
      {true, false, 2000, 1600, 900, 17}, {true, false, 2000, 1701, 1000, 0},
      {true, true, 300, 200, 150, 299},   {false, false, 1700, 40, 0, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " " << c.landscape);
    const std::size_t stride = c.colour ? ColorStride(c.width) : MonoStride(c.width);
    const auto full = RandomBytes(stride * c.height, 77);
    std::vector<std::uint8_t> padded = full;  // the same page with the missing part blank
    const std::size_t held = c.rowsHeld * stride + c.extraBytes;
    std::fill(padded.begin() + held, padded.end(), 0xFF);
    if (c.colour) {  // a pixel cut by the end of the block is blank as a whole
      const std::size_t partial = c.extraBytes % 3;
      std::fill(padded.begin() + held - partial, padded.begin() + held, 0xFF);
    }
    const std::vector<std::uint8_t> block(full.begin(), full.begin() + held);

    SpoolHeader shortHeader = MakeHeader(c.width, c.height, 9, c.landscape, c.colour);
    SpoolHeader fullHeader = shortHeader;
    TestMemory memory;
    ComposedPage shortPage, fullPage;
    ASSERT_EQ(ComposeStatus::Ok,
              ComposePage(shortHeader, block.data(), block.size(), memory, shortPage));
    ASSERT_EQ(ComposeStatus::Ok,
              ComposePage(fullHeader, padded.data(), padded.size(), memory, fullPage));
    EXPECT_TRUE(SameHeader(shortHeader, fullHeader));
    ASSERT_EQ(shortPage.byteCount, fullPage.byteCount);
    EXPECT_EQ(0, std::memcmp(shortPage.bits, fullPage.bits, fullPage.byteCount));
    ReleaseComposedPage(memory, shortPage);
    ReleaseComposedPage(memory, fullPage);
    EXPECT_EQ(memory.live, 0);
  }
}

TEST(ComposePageMends, NoBlockAtAllGivesABlankPage) {
  SpoolHeader header = MakeHeader(1700, 3, 9, true);
  TestMemory memory;
  ComposedPage page;
  ASSERT_EQ(ComposeStatus::Ok, ComposePage(header, nullptr, 0, memory, page));
  for (std::uint32_t i = 0; i < page.byteCount; ++i) ASSERT_EQ(page.bits[i], 0xFF) << i;
  ReleaseComposedPage(memory, page);
}

// Over-wide images lose (excess / 16) * 8 pixels at the left and are cut to the line on the
// right; no margin.
TEST(ComposePageMends, OverWideImageIsCutCentred) {
  const struct {
    bool landscape, colour;
    std::int32_t width, height;
    std::size_t cutBytes;  // into each source row (after any turn)
  } kCases[] = {
      {false, false, 1800, 10, 4},      // excess 72: 32 pixels
      {false, false, 1735, 10, 0},      // excess 7: nothing at the left
      {false, true, 1750, 6, 3 * 8},    // excess 22: 8 pixels
      {true, false, 30, 1760, 2},       // turned width 1760: excess 32, 16 pixels
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    SpoolHeader header = MakeHeader(c.width, c.height, 9, c.landscape, c.colour);
    const std::size_t stride = c.colour ? ColorStride(c.width) : MonoStride(c.width);
    const auto block = RandomBytes(stride * c.height, 3);
    TestMemory memory;
    ComposedPage page;
    ASSERT_EQ(ComposeStatus::Ok, ComposePage(header, block.data(), block.size(), memory, page));
    EXPECT_EQ(header.Width, 1728);
    const std::size_t rowBytes = c.colour ? 3 * 1728 : 216;
    std::vector<std::uint8_t> image = block;
    std::size_t imageStride = stride;
    if (c.landscape) {
      const auto h = static_cast<std::uint32_t>(c.height);
      image.assign(8 * stride * MonoStride(h), 0xFF);
      ReferenceRotateMono(image.data(), block.data(), static_cast<std::uint32_t>(stride), h);
      imageStride = MonoStride(h);
    }
    for (std::size_t r = 0; r < std::size_t(header.Height); ++r)
      ASSERT_EQ(0, std::memcmp(page.bits + r * rowBytes, &image[r * imageStride + c.cutBytes], rowBytes))
          << r;
    ReleaseComposedPage(memory, page);
  }
}

TEST(ComposePageMends, NarrowLandscapeScratchHoldsEveryRotatedRow) {
  for (std::int32_t width : {1, 5, 8, 15, 16, 33}) {
    SCOPED_TRACE(width);
    SpoolHeader header = MakeHeader(width, 40, 9, true);
    const auto block = RandomBytes(MonoStride(width) * 40, width);
    TestMemory memory;
    ComposedPage page;
    ASSERT_EQ(ComposeStatus::Ok, ComposePage(header, block.data(), block.size(), memory, page));
    const std::size_t needed = 8 * MonoStride(width) * MonoStride(40);
    EXPECT_GE(memory.requests[0], needed);
    EXPECT_GE(memory.requests[0], 2 * std::size_t(width) * MonoStride(40));
    // The rows of the page: the source column, top row rightmost.
    for (std::int32_t x = 0; x < width; ++x)
      for (std::uint32_t y = 0; y < 40; ++y)
        ASSERT_EQ(MonoPixel(page.bits, 216, x, 840 + 39 - y),
                  MonoPixel(block.data(), MonoStride(width), y, x));
    ReleaseComposedPage(memory, page);
  }
}

}  // namespace
}  // namespace printhook::pagetest
