// Quarter turn of 1-bit images in 8 x 8-pixel blocks. Block i of source rows 8i..8i+7 and byte
// column k becomes byte n - 1 - i of destination rows 8k..8k+7 (n = ceil(height / 8)).
#include <cstring>

#include "printhook/rotate.h"
#include "printhook/spool_header.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace printhook {
namespace {

// Transposes the 8 x 8 bits of one block: byte l of the result holds, at bit value 2^r, pixel l
// (bit value 2^(7 - l)) of row r.
inline std::uint64_t TransposeBlock(const std::uint8_t* source, std::size_t stride) {
  std::uint64_t x = 0;
  for (int r = 0; r < 8; ++r) x |= std::uint64_t{source[r * stride]} << (8 * r);
  std::uint64_t t = (x ^ (x >> 7)) & 0x00AA00AA00AA00AAull;
  x ^= t ^ (t << 7);
  t = (x ^ (x >> 14)) & 0x0000CCCC0000CCCCull;
  x ^= t ^ (t << 14);
  t = (x ^ (x >> 28)) & 0x00000000F0F0F0F0ull;
  x ^= t ^ (t << 28);
  // Byte a now holds bit a of every row; pixel l is bit 7 - l.
  return x;
}

#if defined(__SSE2__)

// Exchanges bits p + S of a with bits p of b wherever p & S == 0, in every byte lane.
template <int S>
inline void SwapBits(__m128i& a, __m128i& b, __m128i mask) {
  const __m128i t = _mm_and_si128(_mm_xor_si128(_mm_srli_epi16(a, S), b), mask);
  b = _mm_xor_si128(b, t);
  a = _mm_xor_si128(a, _mm_slli_epi16(t, S));
}

// One round of the byte transpose: pairs of registers interleaved in units of one element.
template <typename Low, typename High>
inline void Interleave(const __m128i* in, __m128i* out, Low low, High high) {
  for (int i = 0; i < 8; ++i) {
    out[i] = low(in[2 * i], in[2 * i + 1]);
    out[i + 8] = high(in[2 * i], in[2 * i + 1]);
  }
}

// 16 x 16 byte transpose: lane m of x[kReverse4[c]] = lane c of the input x[m].
inline void TransposeBytes16(__m128i* x) {
  __m128i y[16];
  Interleave(x, y, [](__m128i a, __m128i b) { return _mm_unpacklo_epi8(a, b); },
             [](__m128i a, __m128i b) { return _mm_unpackhi_epi8(a, b); });
  Interleave(y, x, [](__m128i a, __m128i b) { return _mm_unpacklo_epi16(a, b); },
             [](__m128i a, __m128i b) { return _mm_unpackhi_epi16(a, b); });
  Interleave(x, y, [](__m128i a, __m128i b) { return _mm_unpacklo_epi32(a, b); },
             [](__m128i a, __m128i b) { return _mm_unpackhi_epi32(a, b); });
  Interleave(y, x, [](__m128i a, __m128i b) { return _mm_unpacklo_epi64(a, b); },
             [](__m128i a, __m128i b) { return _mm_unpackhi_epi64(a, b); });
}

constexpr int kReverse4[16] = {0, 8, 4, 12, 2, 10, 6, 14, 1, 9, 5, 13, 3, 11, 7, 15};

// 16 blocks down (i0..i0+15) by 16 byte columns across (k0..k0+15): each destination row of
// the group receives one 16-byte store.
void RotateGroup(std::uint8_t* destination, std::size_t destinationStride,
                 const std::uint8_t* source, std::size_t sourceStride, std::uint32_t n,
                 std::uint32_t i0, std::uint32_t k0) {
  alignas(16) std::uint8_t work[8][16][16];  // [pixel l][16 - 1 - block][byte column]
  const __m128i m4 = _mm_set1_epi8(0x0F);
  const __m128i m2 = _mm_set1_epi8(0x33);
  const __m128i m1 = _mm_set1_epi8(0x55);
  for (std::uint32_t b = 0; b < 16; ++b) {
    const std::uint8_t* p = source + (std::size_t{i0} + b) * 8 * sourceStride + k0;
    __m128i r0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i r1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + sourceStride));
    __m128i r2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2 * sourceStride));
    __m128i r3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 3 * sourceStride));
    __m128i r4 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4 * sourceStride));
    __m128i r5 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 5 * sourceStride));
    __m128i r6 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 6 * sourceStride));
    __m128i r7 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 7 * sourceStride));
    SwapBits<4>(r0, r4, m4);
    SwapBits<4>(r1, r5, m4);
    SwapBits<4>(r2, r6, m4);
    SwapBits<4>(r3, r7, m4);
    SwapBits<2>(r0, r2, m2);
    SwapBits<2>(r1, r3, m2);
    SwapBits<2>(r4, r6, m2);
    SwapBits<2>(r5, r7, m2);
    SwapBits<1>(r0, r1, m1);
    SwapBits<1>(r2, r3, m1);
    SwapBits<1>(r4, r5, m1);
    SwapBits<1>(r6, r7, m1);
    // Register a holds bit a of every row: pixel l is register 7 - l.
    const std::uint32_t m = 15 - b;
    _mm_store_si128(reinterpret_cast<__m128i*>(work[0][m]), r7);
    _mm_store_si128(reinterpret_cast<__m128i*>(work[1][m]), r6);
    _mm_store_si128(reinterpret_cast<__m128i*>(work[2][m]), r5);
    _mm_store_si128(reinterpret_cast<__m128i*>(work[3][m]), r4);
    _mm_store_si128(reinterpret_cast<__m128i*>(work[4][m]), r3);
    _mm_store_si128(reinterpret_cast<__m128i*>(work[5][m]), r2);
    _mm_store_si128(reinterpret_cast<__m128i*>(work[6][m]), r1);
    _mm_store_si128(reinterpret_cast<__m128i*>(work[7][m]), r0);
  }
  // Block i0 + 15 - m goes to byte n - 1 - (i0 + 15 - m) = (n - 16 - i0) + m.
  std::uint8_t* out = destination + (n - 16 - i0);
  for (int l = 0; l < 8; ++l) {
    __m128i x[16];
    for (int m = 0; m < 16; ++m) x[m] = _mm_load_si128(reinterpret_cast<const __m128i*>(work[l][m]));
    TransposeBytes16(x);
    for (int c = 0; c < 16; ++c) {
      std::uint8_t* row = out + (8 * (std::size_t{k0} + c) + l) * destinationStride;
      _mm_storeu_si128(reinterpret_cast<__m128i*>(row), x[kReverse4[c]]);
    }
  }
}

#endif  // __SSE2__

}  // namespace

void RotateMonoBlocks(std::uint8_t* destination, const std::uint8_t* source,
                      std::uint32_t sourceStride, std::uint32_t height) {
  const std::uint32_t n = (height + 7) / 8;
  const std::size_t d = MonoStride(height);
  for (std::uint32_t i = 0; i < n; ++i) {
    const std::uint8_t* block = source + std::size_t{i} * 8 * sourceStride;
    for (std::uint32_t k = 0; k < sourceStride; ++k) {
      const std::uint64_t t = TransposeBlock(block + k, sourceStride);
      std::uint8_t* out = destination + std::size_t{k} * 8 * d + (n - 1 - i);
      for (int l = 0; l < 8; ++l) out[l * d] = static_cast<std::uint8_t>(t >> (8 * (7 - l)));
    }
  }
}

void RotateMono(std::uint8_t* destination, const std::uint8_t* source, std::uint32_t sourceStride,
                std::uint32_t height) {
#if defined(__SSE2__)
  const std::uint32_t n = (height + 7) / 8;
  if (n < 16 || sourceStride < 16) {
    RotateMonoBlocks(destination, source, sourceStride, height);
    return;
  }
  const std::size_t d = MonoStride(height);
  // The last group of each direction is moved back to end at the edge; the blocks it shares
  // with its neighbour are written twice with the same bytes.
  for (std::uint32_t i0 = 0;; i0 += 16) {
    if (i0 > n - 16) i0 = n - 16;
    for (std::uint32_t k0 = 0;; k0 += 16) {
      if (k0 > sourceStride - 16) k0 = sourceStride - 16;
      RotateGroup(destination, d, source, sourceStride, n, i0, k0);
      if (k0 == sourceStride - 16) break;
    }
    if (i0 == n - 16) break;
  }
#else
  RotateMonoBlocks(destination, source, sourceStride, height);
#endif
}

}  // namespace printhook
