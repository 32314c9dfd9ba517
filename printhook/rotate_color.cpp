// Quarter turn of 24-bit images: source row i, pixel j moves to destination row j, column
// height - 1 - i, its three bytes in their order.
#include <algorithm>
#include <cstring>

#include "printhook/rotate.h"

#if defined(__x86_64__) || defined(__i386__)
#define VR_ROTATE_COLOR_SSSE3 1
#include <tmmintrin.h>
#endif

namespace printhook {
namespace {

constexpr std::uint32_t kTileRows = 16;     // source rows per tile
constexpr std::uint32_t kTileColumns = 16;  // source pixels per tile
constexpr std::uint32_t kOuterRows = 128;    // multiples of 4 (whole groups)
constexpr std::uint32_t kOuterColumns = 128;
constexpr std::size_t kPrefetchAhead = 192;  // bytes: the same rows four tiles further right

struct ColorTurn {
  std::uint8_t* destination;
  std::size_t destinationStride;
  const std::uint8_t* source;
  std::size_t sourceStride;
  std::uint32_t height;

  void Pixel(std::uint32_t i, std::uint32_t j) const {
    std::memcpy(destination + j * destinationStride + 3 * std::size_t{height - 1 - i},
                source + i * sourceStride + 3 * std::size_t{j}, 3);
  }

  // Rows [i0, i1) by pixels [j0, j1), three bytes at a time, in tiles that stay in the cache.
  void Plain(std::uint32_t i0, std::uint32_t i1, std::uint32_t j0, std::uint32_t j1) const {
    for (std::uint32_t ti = i0; ti < i1; ti += kTileRows)
      for (std::uint32_t tj = j0; tj < j1; tj += kTileColumns)
        for (std::uint32_t j = tj; j < std::min(j1, tj + kTileColumns); ++j)
          for (std::uint32_t i = ti; i < std::min(i1, ti + kTileRows); ++i) Pixel(i, j);
  }

#if VR_ROTATE_COLOR_SSSE3
  // 4 source rows by 4 pixels: widened to 4-byte pixels, transposed as 32-bit lanes (the
  // lower row first, as it lies further left), narrowed to 12 bytes per destination row. A
  // 16-byte store also covers the next 4 bytes to the right, which belong to source rows with
  // lower numbers: those are written later, as groups run from the last row up. The group of
  // row 0 ends its destination rows and stores exactly 12 bytes.
  __attribute__((target("ssse3"))) void Group(std::uint32_t i, std::uint32_t j) const {
    const __m128i widen = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i narrow = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    const std::uint8_t* in = source + i * sourceStride + 3 * std::size_t{j};
    for (int q = 0; q < 4; ++q)
      _mm_prefetch(reinterpret_cast<const char*>(in + q * sourceStride + kPrefetchAhead), _MM_HINT_T0);
    const __m128i a = _mm_shuffle_epi8(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 3 * sourceStride)), widen);
    const __m128i b = _mm_shuffle_epi8(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 2 * sourceStride)), widen);
    const __m128i c = _mm_shuffle_epi8(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + sourceStride)), widen);
    const __m128i d = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in)), widen);
    const __m128i ab0 = _mm_unpacklo_epi32(a, b), cd0 = _mm_unpacklo_epi32(c, d);
    const __m128i ab1 = _mm_unpackhi_epi32(a, b), cd1 = _mm_unpackhi_epi32(c, d);
    const __m128i turned[4] = {_mm_unpacklo_epi64(ab0, cd0), _mm_unpackhi_epi64(ab0, cd0),
                               _mm_unpacklo_epi64(ab1, cd1), _mm_unpackhi_epi64(ab1, cd1)};
    std::uint8_t* out = destination + j * destinationStride + 3 * std::size_t{height - 4 - i};
    for (int p = 0; p < 4; ++p) {
      const __m128i row = _mm_shuffle_epi8(turned[p], narrow);
      if (i != 0) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), row);
      } else {
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), row);
        const auto tail = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(row, 8)));
        std::memcpy(out + 8, &tail, 4);
      }
      out += destinationStride;
    }
  }

  // Rows [0, end): whole groups of 4 x 4 where a 16-byte load stays inside its source row, from
  // the last row up; the edges three bytes at a time.
  __attribute__((target("ssse3"))) void Fast(std::uint32_t width, std::uint32_t end) const {
    const std::uint32_t groupRows = end / 4 * 4;
    std::uint32_t groupColumns = 0;
    if (sourceStride >= 16) {
      const std::size_t lastStart = (sourceStride - 16) / 3;  // 3j + 16 <= sourceStride
      groupColumns = static_cast<std::uint32_t>(
          4 * std::min<std::size_t>(width / 4, lastStart / 4 + 1));
    }
    // Outer tiles keep the pages of both images within the address cache, inner ones keep the
    // rows within the data cache.
    for (std::uint32_t outerBottom = groupRows; outerBottom > 0;) {
      const std::uint32_t outerTop = outerBottom > kOuterRows ? outerBottom - kOuterRows : 0;
      for (std::uint32_t oj = 0; oj < groupColumns; oj += kOuterColumns) {
        const std::uint32_t outerRight = std::min(groupColumns, oj + kOuterColumns);
        for (std::uint32_t bottom = outerBottom; bottom > outerTop;) {
          const std::uint32_t top = bottom - outerTop > kTileRows ? bottom - kTileRows : outerTop;
          for (std::uint32_t tj = oj; tj < outerRight; tj += kTileColumns)
            for (std::uint32_t j = tj; j < std::min(outerRight, tj + kTileColumns); j += 4)
              for (std::uint32_t i = bottom; i > top;) Group(i -= 4, j);
          bottom = top;
        }
      }
      outerBottom = outerTop;
    }
    Plain(0, groupRows, groupColumns, width);
    Plain(groupRows, end, 0, width);
  }
#endif
};

bool HasSsse3() {
#if VR_ROTATE_COLOR_SSSE3
  static const bool has = __builtin_cpu_supports("ssse3");
  return has;
#else
  return false;
#endif
}

// Rows [0, end) of the source, all of them complete.
void RotateRows(const ColorTurn& turn, std::uint32_t width, std::uint32_t end) {
#if VR_ROTATE_COLOR_SSSE3
  if (HasSsse3()) {
    turn.Fast(width, end);
    return;
  }
#endif
  turn.Plain(0, end, 0, width);
}

std::size_t ColorDestinationStride(std::uint32_t height) {
  return 4 * ((3 * std::size_t{height} + 3) / 4);
}

}  // namespace

void RotateColor(std::uint8_t* destination, const std::uint8_t* source, std::uint32_t width,
                 std::uint32_t height, std::uint32_t sourceStride) {
  const ColorTurn turn{destination, ColorDestinationStride(height), source, sourceStride, height};
  RotateRows(turn, width, height);
}

void RotateColorBounded(std::uint8_t* destination, const std::uint8_t* source, std::uint32_t width,
                        std::uint32_t height, std::uint32_t sourceStride, std::size_t sourceBytes) {
  const ColorTurn turn{destination, ColorDestinationStride(height), source, sourceStride, height};
  const std::size_t wholeRows = sourceStride ? sourceBytes / sourceStride : height;
  const auto complete = static_cast<std::uint32_t>(std::min<std::size_t>(height, wholeRows));
  RotateRows(turn, width, complete);
  if (complete < height) {
    // The row the block ends in: its whole pixels only.
    const std::size_t left = sourceBytes - std::size_t{complete} * sourceStride;
    const auto pixels = static_cast<std::uint32_t>(std::min<std::size_t>(width, left / 3));
    for (std::uint32_t j = 0; j < pixels; ++j) turn.Pixel(complete, j);
  }
}

}  // namespace printhook
