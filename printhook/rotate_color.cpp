// Quarter turn of 24-bit images: source row i, pixel j moves to destination row j, column
// height - 1 - i, its three bytes in their order.
#include <algorithm>
#include <cstring>

#include "printhook/rotate.h"

namespace printhook {
namespace {

constexpr std::uint32_t kTileRows = 32;     // source rows per tile
constexpr std::uint32_t kTileColumns = 64;  // source pixels per tile

inline void CopyPixel(std::uint8_t* to, const std::uint8_t* from) { std::memcpy(to, from, 3); }

// Rows [first, end) of the source, all of them complete. Within a destination row the pixels
// are written from left to right with 4-byte moves; the fourth byte lands on the next pixel of
// that row, which the following source row (one lower index) writes afterwards. Tiles
// therefore run from the last source row up, and source row 0 (the rightmost column, whose
// fourth byte would be row padding or the next row) and the last source pixel (whose fourth
// byte may lie past the image) move three bytes only.
void RotateRows(std::uint8_t* destination, std::size_t destinationStride,
                const std::uint8_t* source, std::size_t sourceStride, std::uint32_t width,
                std::uint32_t height, std::uint32_t end) {
  if (width == 0 || end == 0) return;
  const std::uint32_t wideColumns = width - 1;  // pixels that may be moved with 4 bytes
  std::uint32_t top = end;
  while (top > 0) {
    const std::uint32_t bottom = top;
    top = bottom > kTileRows ? bottom - kTileRows : 0;
    const std::uint32_t wideTop = std::max<std::uint32_t>(top, 1);
    for (std::uint32_t j0 = 0; j0 < width; j0 += kTileColumns) {
      const std::uint32_t j1 = std::min(width, j0 + kTileColumns);
      for (std::uint32_t j = j0; j < j1; ++j) {
        std::uint8_t* out = destination + j * destinationStride;
        const std::uint8_t* in = source + 3 * std::size_t{j};
        if (j < wideColumns) {
          for (std::uint32_t i = bottom; i-- > wideTop;) {
            std::uint32_t v;
            std::memcpy(&v, in + i * sourceStride, 4);
            std::memcpy(out + 3 * std::size_t{height - 1 - i}, &v, 4);
          }
        } else {
          for (std::uint32_t i = bottom; i-- > wideTop;)
            CopyPixel(out + 3 * std::size_t{height - 1 - i}, in + i * sourceStride);
        }
        if (top == 0) CopyPixel(out + 3 * std::size_t{height - 1}, in);
      }
    }
  }
}

}  // namespace

void RotateColor(std::uint8_t* destination, const std::uint8_t* source, std::uint32_t width,
                 std::uint32_t height, std::uint32_t sourceStride) {
  const std::size_t d = 4 * ((3 * std::size_t{height} + 3) / 4);
  RotateRows(destination, d, source, sourceStride, width, height, height);
}

void RotateColorBounded(std::uint8_t* destination, const std::uint8_t* source, std::uint32_t width,
                        std::uint32_t height, std::uint32_t sourceStride, std::size_t sourceBytes) {
  const std::size_t d = 4 * ((3 * std::size_t{height} + 3) / 4);
  const std::size_t wholeRows = sourceStride ? sourceBytes / sourceStride : height;
  const std::uint32_t complete = static_cast<std::uint32_t>(std::min<std::size_t>(height, wholeRows));
  RotateRows(destination, d, source, sourceStride, width, height, complete);
  if (complete < height) {
    // The row the block ends in: its whole pixels only.
    const std::size_t left = sourceBytes - std::size_t{complete} * sourceStride;
    const std::size_t pixels = std::min<std::size_t>(width, left / 3);
    const std::uint8_t* in = source + std::size_t{complete} * sourceStride;
    for (std::size_t j = 0; j < pixels; ++j)
      CopyPixel(destination + j * d + 3 * std::size_t{height - 1 - complete}, in + 3 * j);
  }
}

}  // namespace printhook
