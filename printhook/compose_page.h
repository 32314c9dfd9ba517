// Composition of one page image for the writer: quarter turn of landscape pages, centring on
// the standard line of the paper, trimmed heights, packed rows, bits per pixel and compression.
#pragma once

#include <cstddef>
#include <cstdint>

#include "printhook/paper_width.h"
#include "printhook/rotate.h"
#include "printhook/spool_header.h"

namespace printhook {

constexpr std::uint16_t kCompressionPackBits = 32773;  // TIFF code for 1-bit pages
constexpr std::uint16_t kCompressionJpeg = 7;          // TIFF code for 24-bit pages
constexpr std::uint32_t kPageSpareBytes = 2048;        // allocated after every output page
constexpr std::uint16_t kDoubleResolution = 400;       // dots per inch that double the line

// Allocation seam: the DLL implements it with GlobalAlloc(GMEM_MOVEABLE)+GlobalLock and
// GlobalUnlock+GlobalFree; tests make chosen allocations fail.
struct PageMemory {
  virtual ~PageMemory() = default;
  virtual void* Acquire(std::size_t bytes) = 0;  // nullptr when not available
  virtual void Release(void* block) = 0;         // nullptr is ignored
};

enum class ComposeStatus { Ok, NoRotationScratch, NoPageBuffer, BadGeometry };

struct ComposedPage {
  std::uint8_t* bits = nullptr;
  std::uint32_t byteCount = 0;  // bytes for the writer (the spare bytes not counted)
  std::uint16_t bitsPerPixel = 0;
  std::uint16_t compression = 0;  // 1 bit: kCompressionPackBits, 24 bits: kCompressionJpeg
  void* scratch = nullptr;        // rotation scratch still held (released by ReleaseComposedPage)
};

// Composes one page image block (data, dataSize bytes) and sets Width, Height, Quality and,
// for landscape pages, exchanges dmPrintQuality and dmYResolution in header.
// NoRotationScratch: header unchanged, nothing held. NoPageBuffer: header already shows the
// rotated geometry, nothing held. BadGeometry (zero, negative, or sizes beyond 32-bit byte
// counts): header unchanged, nothing allocated. A block shorter than its rows is read only as
// far as it goes; the missing rows are blank.
ComposeStatus ComposePage(SpoolHeader& header, const std::uint8_t* data, std::size_t dataSize,
                          PageMemory& memory, ComposedPage& page);

// Releases scratch and bits and resets page.
void ReleaseComposedPage(PageMemory& memory, ComposedPage& page);

}  // namespace printhook
