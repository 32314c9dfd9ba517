// Quarter turn of 24-bit images: source row i, pixel j moves to destination row j, column
// height - 1 - i, its three bytes in their order.
#include <algorithm>
#include <cstring>

#include "printhook/rotate.h"
#include "printhook/spool_header.h"

#if defined(__x86_64__) || defined(__i386__)
#define VR_ROTATE_COLOR_SSSE3 1
#include <tmmintrin.h>
#endif

namespace printhook {
namespace {

constexpr std::uint32_t kTileRows = 16;     // source rows per tile of the plain form
constexpr std::uint32_t kTileColumns = 16;  // source pixels per tile of the plain form
// The fast form turns bands of source rows, the band's full width one column of 4 pixels at a
// time: a band's rows and the destination rows of a few columns stay in the cache.
constexpr std::uint32_t kBandRows = 64;  // a multiple of 4 (whole groups)
constexpr std::size_t kSourceAhead = 192;  // bytes: the same rows eight columns further right
constexpr std::uint32_t kDestinationAhead = 8;  // pixels: the destination rows two columns on

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
  // Pixels j..j+3 of rows [top, bottom) (multiples of 4), in groups of 4 rows by 4 pixels from
  // the last row up. A group is widened to 4-byte pixels, transposed as 32-bit lanes (the lower
  // row first, as it lies further left) and narrowed to 12 bytes per destination row. Its
  // 16-byte store also covers the next 4 bytes to the right, which belong to rows with lower
  // numbers and are written later. The group of row 0 ends its destination rows and stores
  // exactly 12 bytes.
  __attribute__((target("ssse3"))) void Column(std::uint32_t top, std::uint32_t bottom,
                                               std::uint32_t j) const {
    const __m128i widen = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i narrow = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    // Locals, not members: the stores could otherwise alias them and force reloads.
    const std::size_t in = sourceStride, out = destinationStride;
    const std::uint8_t* from = source + std::size_t{bottom - 4} * in + 3 * std::size_t{j};
    std::uint8_t* to = destination + j * out + 3 * std::size_t{height - bottom};
    for (std::uint32_t i = bottom; i > top; i -= 4) {
      for (std::size_t q = 0; q < 4; ++q)
        _mm_prefetch(reinterpret_cast<const char*>(from + q * in + kSourceAhead), _MM_HINT_T0);
      const __m128i a = _mm_shuffle_epi8(
          _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 3 * in)), widen);
      const __m128i b = _mm_shuffle_epi8(
          _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 2 * in)), widen);
      const __m128i c = _mm_shuffle_epi8(
          _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + in)), widen);
      const __m128i d =
          _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from)), widen);
      const __m128i ab0 = _mm_unpacklo_epi32(a, b), cd0 = _mm_unpacklo_epi32(c, d);
      const __m128i ab1 = _mm_unpackhi_epi32(a, b), cd1 = _mm_unpackhi_epi32(c, d);
      const __m128i row0 = _mm_shuffle_epi8(_mm_unpacklo_epi64(ab0, cd0), narrow);
      const __m128i row1 = _mm_shuffle_epi8(_mm_unpackhi_epi64(ab0, cd0), narrow);
      const __m128i row2 = _mm_shuffle_epi8(_mm_unpacklo_epi64(ab1, cd1), narrow);
      const __m128i row3 = _mm_shuffle_epi8(_mm_unpackhi_epi64(ab1, cd1), narrow);
      if (i != 4) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to), row0);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + out), row1);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 2 * out), row2);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 3 * out), row3);
      } else {
        StoreTwelve(to, row0);
        StoreTwelve(to + out, row1);
        StoreTwelve(to + 2 * out, row2);
        StoreTwelve(to + 3 * out, row3);
      }
      from -= 4 * in;
      to += 12;
    }
  }

  __attribute__((target("ssse3"))) static void StoreTwelve(std::uint8_t* to, __m128i row) {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(to), row);
    const auto tail = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(row, 8)));
    std::memcpy(to + 8, &tail, 4);
  }

  // Rows [0, end): whole groups of 4 x 4 where a 16-byte load stays inside its source row,
  // band by band from the last row up; the edges three bytes at a time.
  __attribute__((target("ssse3"))) void Fast(std::uint32_t width, std::uint32_t end) const {
    const std::uint32_t groupRows = end / 4 * 4;
    std::uint32_t groupColumns = 0;
    if (sourceStride >= 16) {
      const std::size_t lastStart = (sourceStride - 16) / 3;  // 3j + 16 <= sourceStride
      groupColumns = static_cast<std::uint32_t>(
          4 * std::min<std::size_t>(width / 4, lastStart / 4 + 1));
    }
    for (std::uint32_t bottom = groupRows; bottom > 0;) {
      const std::uint32_t top = bottom > kBandRows ? bottom - kBandRows : 0;
      // The bytes of this band in the destination rows of a column further on. (Kept in the
      // loop: GCC drops calls to a function that only prefetches.)
      const std::size_t first = 3 * std::size_t{height - bottom};
      const std::size_t last = 3 * std::size_t{height - top} - 1;
      for (std::uint32_t j = 0; j < groupColumns; j += 4) {
        if (j + kDestinationAhead < groupColumns)
          for (std::size_t p = 0; p < 4; ++p) {
            const std::uint8_t* row = destination + (j + kDestinationAhead + p) * destinationStride;
            for (std::size_t at = first; at < last + 64; at += 64)
              _mm_prefetch(reinterpret_cast<const char*>(row + std::min(at, last)), _MM_HINT_T0);
          }
        Column(top, bottom, j);
      }
      bottom = top;
    }
    Plain(0, groupRows, groupColumns, width);
    Plain(groupRows, end, 0, width);
  }
#endif
};

#if VR_ROTATE_COLOR_SSSE3
bool HasSsse3() {
  static const bool has = __builtin_cpu_supports("ssse3");
  return has;
}
#endif

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

}  // namespace

void RotateColor(std::uint8_t* destination, const std::uint8_t* source, std::uint32_t width,
                 std::uint32_t height, std::uint32_t sourceStride) {
  const ColorTurn turn{destination, static_cast<std::size_t>(ColorStride(height)), source,
                       sourceStride, height};
  RotateRows(turn, width, height);
}

void RotateColorBounded(std::uint8_t* destination, const std::uint8_t* source, std::uint32_t width,
                        std::uint32_t height, std::uint32_t sourceStride, std::size_t sourceBytes) {
  const ColorTurn turn{destination, static_cast<std::size_t>(ColorStride(height)), source,
                       sourceStride, height};
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
