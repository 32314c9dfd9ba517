#include "printhook/compose_page.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace printhook {
namespace {

constexpr std::uint8_t kBlank = 0xFF;
constexpr std::uint64_t kMaxBytes = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint16_t kQualityLow = 50;
constexpr std::uint16_t kQualityHigh = 75;

// Page heights the writer takes shorter: rendered rows of these two sizes come out longer
// than the paper holds.
std::uint32_t TrimmedRows(std::uint32_t rows) {
  if (rows == 4584) return 4580;
  if (rows == 1152) return 1145;
  return rows;
}

// Every size of one page, worked out before anything is allocated or changed.
struct PageLayout {
  bool colour = false;
  bool landscape = false;
  std::uint32_t width = 0;         // of the page image received
  std::uint32_t height = 0;
  std::uint32_t sourceStride = 0;  // its row stride
  std::uint32_t lineWidth = 0;     // finished width: the standard line
  std::uint32_t imageWidth = 0;    // after any quarter turn
  std::uint32_t imageStride = 0;
  std::uint32_t rows = 0;          // output rows (trimmed)
  std::uint32_t leftBytes = 0;     // left margin in output bytes
  std::uint32_t cutBytes = 0;      // source bytes skipped at the left of an over-wide image
  std::uint32_t copyBytes = 0;     // source bytes copied into every output row
  std::uint32_t rowBytes = 0;      // output row, packed
  std::uint32_t count = 0;         // output bytes for the writer
  std::uint32_t scratchRows = 0;   // rotation scratch (landscape pages)
  std::uint32_t scratchBytes = 0;
  std::uint32_t completeRows = 0;  // rows the 1-bit rotation reads (a multiple of 8)
};

// a * b within 32-bit byte counts.
bool Product(std::uint64_t a, std::uint64_t b, std::uint32_t& result) {
  std::uint64_t p = 0;
  if (__builtin_mul_overflow(a, b, &p) || p > kMaxBytes) return false;
  result = static_cast<std::uint32_t>(p);
  return true;
}

bool MakeLayout(const SpoolHeader& header, PageLayout& l) {
  if (header.Width <= 0 || header.Height <= 0) return false;
  l.colour = header.DevMode.dmColor == kColorColor;
  l.landscape = header.DevMode.dmOrientation == kOrientLandscape;
  l.width = static_cast<std::uint32_t>(header.Width);
  l.height = static_cast<std::uint32_t>(header.Height);
  std::uint32_t imageBytes = 0;
  const std::uint64_t stride = l.colour ? ColorStride(l.width) : MonoStride(l.width);
  if (!Product(stride, 1, l.sourceStride) || !Product(stride, l.height, imageBytes)) return false;

  l.lineWidth = StandardWidth(header.DevMode.dmPaperSize);
  const std::uint16_t acrossDpi = static_cast<std::uint16_t>(
      l.landscape ? header.DevMode.dmYResolution : header.DevMode.dmPrintQuality);
  if (acrossDpi == kDoubleResolution) l.lineWidth *= 2;

  std::uint32_t imageRows = l.height;
  l.imageWidth = l.width;
  l.imageStride = l.sourceStride;
  if (l.landscape) {
    l.imageWidth = l.height;
    imageRows = l.width;
    const std::uint64_t rotatedStride = l.colour ? ColorStride(l.height) : MonoStride(l.height);
    if (!Product(rotatedStride, 1, l.imageStride)) return false;
    if (l.colour) {
      l.scratchRows = l.width;
    } else {
      // The rotation writes 8 * sourceStride rows; twice the width holds them for pages of 16
      // pixels and more, narrower pages need the larger count.
      l.scratchRows = static_cast<std::uint32_t>(
          std::max<std::uint64_t>(2 * std::uint64_t{l.width}, 8 * std::uint64_t{l.sourceStride}));
      if (!Product((l.height + 7) / 8, 8, l.completeRows)) return false;
      std::uint32_t completionBytes = 0;
      if (!Product(l.completeRows, l.sourceStride, completionBytes)) return false;
    }
    if (!Product(l.scratchRows, l.imageStride, l.scratchBytes)) return false;
  }
  l.rows = TrimmedRows(imageRows);

  // Centre on the line; an over-wide image loses the same on both sides, the left cut in whole
  // bytes of 8 pixels like the margin.
  const std::uint32_t shown = std::min(l.imageWidth, l.lineWidth);
  const std::uint32_t leftPixels =
      l.imageWidth < l.lineWidth ? (l.lineWidth - l.imageWidth) / 16 * 8 : 0;
  const std::uint32_t cutPixels =
      l.imageWidth > l.lineWidth ? (l.imageWidth - l.lineWidth) / 16 * 8 : 0;
  std::uint64_t paddedRow = 0;
  if (l.colour) {
    l.leftBytes = 3 * leftPixels;
    l.cutBytes = 3 * cutPixels;
    l.copyBytes = 3 * shown;
    l.rowBytes = 3 * l.lineWidth;
    paddedRow = 12 * ((std::uint64_t{l.lineWidth} + 3) / 4);
  } else {
    l.leftBytes = leftPixels / 8;
    l.cutBytes = cutPixels / 8;
    l.copyBytes = (shown + 7) / 8;
    l.rowBytes = (l.lineWidth + 7) / 8;
    paddedRow = 4 * ((std::uint64_t{l.rowBytes} + 3) / 4);
  }
  return Product(paddedRow, l.rows, l.count) && l.count <= kMaxBytes - kPageSpareBytes;
}

// Quarter turn of a 1-bit page into scratch. Returns false when the row-completion copy
// cannot be had: the rotation reads whole blocks of 8 rows and must not run past the source.
bool TurnMono(const PageLayout& l, const std::uint8_t* data, std::size_t dataSize,
              PageMemory& memory, std::uint8_t* scratch) {
  const std::size_t completeBytes = std::size_t{l.completeRows} * l.sourceStride;
  const std::uint8_t* source = data;
  void* completion = nullptr;
  if (l.completeRows != l.height || dataSize < completeBytes) {
    completion = memory.Acquire(completeBytes);
    if (completion == nullptr) return false;
    auto* rows = static_cast<std::uint8_t*>(completion);
    const std::size_t have = std::min(dataSize, std::size_t{l.height} * l.sourceStride);
    if (have) std::memcpy(rows, data, have);
    std::memset(rows + have, kBlank, completeBytes - have);
    source = rows;
  }
  // Blank where the rotation does not write: the end of each row and the rows beyond it.
  const std::size_t used = l.completeRows / 8;
  const std::size_t written = 8 * std::size_t{l.sourceStride};
  for (std::size_t r = 0; r < written; ++r)
    std::memset(scratch + r * l.imageStride + used, kBlank, l.imageStride - used);
  std::memset(scratch + written * l.imageStride, kBlank,
              (l.scratchRows - written) * std::size_t{l.imageStride});
  RotateMono(scratch, source, l.sourceStride, l.height);
  memory.Release(completion);
  return true;
}

void TurnColor(const PageLayout& l, const std::uint8_t* data, std::size_t dataSize,
               std::uint8_t* scratch) {
  const std::size_t pixelBytes = 3 * std::size_t{l.height};
  if (dataSize >= std::size_t{l.height} * l.sourceStride) {
    for (std::size_t r = 0; r < l.scratchRows; ++r)
      std::memset(scratch + r * l.imageStride + pixelBytes, kBlank, l.imageStride - pixelBytes);
    RotateColor(scratch, data, l.width, l.height, l.sourceStride);
  } else {
    std::memset(scratch, kBlank, l.scratchBytes);
    RotateColorBounded(scratch, data, l.width, l.height, l.sourceStride, dataSize);
  }
}

// Blanks n bytes. Between rows that share their stride the gaps are at most 3 bytes, where
// stores of their own cost less than a call for each.
void Blank(std::uint8_t* at, std::size_t n) {
  if (n > 3) {
    std::memset(at, kBlank, n);
  } else if (n > 0) {
    at[0] = at[n / 2] = at[n - 1] = kBlank;
  }
}

// Each output row: margin, the source row's pixels (as far as the image holds them), margin;
// then blank to the end of the buffer.
void CopyRows(const PageLayout& l, const std::uint8_t* image, std::size_t imageBytes,
              std::uint8_t* out) {
  const std::size_t span = l.rows ? std::size_t{l.rows - 1} * l.rowBytes + l.copyBytes : 0;
  if (span && l.imageStride == l.rowBytes && l.cutBytes + span <= imageBytes) {
    // Rows as long in the image as in the output (the usual portrait page): one copy of them
    // all, then the gaps between the rows' pixels blanked.
    std::memcpy(out + l.leftBytes, image + l.cutBytes, span);
    Blank(out, l.leftBytes);
    const std::size_t gap = l.rowBytes - l.copyBytes;
    for (std::size_t r = 0; r + 1 < l.rows; ++r)
      Blank(out + r * l.rowBytes + l.leftBytes + l.copyBytes, gap);
    Blank(out + l.leftBytes + span, l.count - l.leftBytes - span);
    return;
  }
  // The margins of rows are short: one fill of the whole page first costs less than two fills
  // per row.
  std::memset(out, kBlank, l.count);
  for (std::size_t r = 0; r < l.rows; ++r) {
    const std::size_t from = r * l.imageStride + l.cutBytes;
    std::size_t have = from < imageBytes ? std::min<std::size_t>(l.copyBytes, imageBytes - from) : 0;
    if (l.colour) have -= have % 3;  // a pixel cut by the end of the block stays blank
    if (have) std::memcpy(out + r * l.rowBytes + l.leftBytes, image + from, have);
  }
}

}  // namespace

ComposeStatus ComposePage(SpoolHeader& header, const std::uint8_t* data, std::size_t dataSize,
                          PageMemory& memory, ComposedPage& page) {
  page = ComposedPage{};
  PageLayout l;
  if (!MakeLayout(header, l)) return ComposeStatus::BadGeometry;
  if (data == nullptr) dataSize = 0;

  const std::uint8_t* image = data;
  std::size_t imageBytes = dataSize;
  void* scratch = nullptr;
  if (l.landscape) {
    scratch = memory.Acquire(l.scratchBytes);
    if (scratch == nullptr) return ComposeStatus::NoRotationScratch;
    auto* turned = static_cast<std::uint8_t*>(scratch);
    if (l.colour) {
      TurnColor(l, data, dataSize, turned);
    } else if (!TurnMono(l, data, dataSize, memory, turned)) {
      memory.Release(scratch);
      return ComposeStatus::NoRotationScratch;
    }
    std::swap(header.DevMode.dmPrintQuality, header.DevMode.dmYResolution);
    header.Width = static_cast<std::int32_t>(l.height);
    image = turned;
    imageBytes = l.scratchBytes;
  }
  header.Height = static_cast<std::int32_t>(l.rows);

  auto* bits = static_cast<std::uint8_t*>(memory.Acquire(std::size_t{l.count} + kPageSpareBytes));
  if (bits == nullptr) {
    memory.Release(scratch);
    return ComposeStatus::NoPageBuffer;
  }
  CopyRows(l, image, imageBytes, bits);

  header.Width = static_cast<std::int32_t>(l.lineWidth);
  header.Quality = header.QualitySelector == 1 ? kQualityLow : kQualityHigh;
  page.bits = bits;
  page.byteCount = l.count;
  page.bitsPerPixel = l.colour ? 24 : 1;
  page.compression = l.colour ? kCompressionJpeg : kCompressionPackBits;
  page.scratch = scratch;
  return ComposeStatus::Ok;
}

void ReleaseComposedPage(PageMemory& memory, ComposedPage& page) {
  memory.Release(page.scratch);
  memory.Release(page.bits);
  page = ComposedPage{};
}

}  // namespace printhook
