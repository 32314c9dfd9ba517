// ComposePage on arbitrary headers and blocks: the first bytes choose the geometry and which
// allocations fail, the rest is the page image block. Checks that every buffer is given back,
// that failures leave the header as they should, and (under the sanitizers) that nothing is
// read or written outside its buffer.
#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

#include "printhook/compose_page.h"

namespace {

using namespace printhook;

constexpr std::size_t kMaxBlock = std::size_t{64} << 20;  // larger requests are refused

class FuzzMemory : public PageMemory {
 public:
  explicit FuzzMemory(std::uint8_t failMask) : failMask_(failMask) {}
  void* Acquire(std::size_t bytes) override {
    const unsigned number = requests_++;
    if (bytes > kMaxBlock || (number < 8 && (failMask_ >> number) & 1)) return nullptr;
    auto* block = static_cast<std::uint8_t*>(std::malloc(bytes ? bytes : 1));
    live_.insert(block);
    return block;
  }
  void Release(void* block) override {
    if (block == nullptr) return;
    if (!live_.erase(block)) std::abort();  // not ours, or given back twice
    std::free(block);
  }
  bool Empty() const { return live_.empty(); }

 private:
  std::uint8_t failMask_;
  unsigned requests_ = 0;
  std::set<void*> live_;
};

struct Reader {
  const std::uint8_t* data;
  std::size_t size;
  std::uint64_t Take(int bytes) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) {
      v = v << 8 | (size ? *data : 0);
      if (size) ++data, --size;
    }
    return v;
  }
};

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in{data, size};
  const auto flags = static_cast<std::uint8_t>(in.Take(1));
  const auto failMask = static_cast<std::uint8_t>(in.Take(1));
  SpoolHeader header;
  std::memset(&header, 0, sizeof header);
  if (flags & 0x80) {  // any 32-bit sizes
    header.Width = static_cast<std::int32_t>(in.Take(4));
    header.Height = static_cast<std::int32_t>(in.Take(4));
  } else {  // page-like sizes, so that most inputs get composed
    header.Width = static_cast<std::int32_t>(in.Take(2) % 1200);
    header.Height = static_cast<std::int32_t>(in.Take(2) % 1200);
  }
  header.DevMode.dmOrientation = (flags & 1) ? kOrientLandscape : static_cast<std::int16_t>(in.Take(1));
  header.DevMode.dmColor = (flags & 2) ? kColorColor : 1;
  header.DevMode.dmPaperSize = static_cast<std::int16_t>(in.Take(1));
  header.DevMode.dmPrintQuality = (flags & 4) ? 400 : static_cast<std::int16_t>(in.Take(2));
  header.DevMode.dmYResolution = (flags & 8) ? 400 : static_cast<std::int16_t>(in.Take(2));
  header.QualitySelector = static_cast<std::int16_t>(in.Take(1));
  // The block: the rest of the input, or (flag 0x10) a full-size blank-and-noise image.
  std::vector<std::uint8_t> block(in.data, in.data + in.size);
  if ((flags & 0x10) && header.Width > 0 && header.Height > 0 && !(flags & 0x80)) {
    const std::size_t stride = (flags & 2) ? ColorStride(header.Width) : MonoStride(header.Width);
    block.resize(stride * header.Height, 0x5A);
  }

  const SpoolHeader before = header;
  FuzzMemory memory(failMask);
  ComposedPage page;
  const ComposeStatus status =
      ComposePage(header, block.empty() ? nullptr : block.data(), block.size(), memory, page);
  switch (status) {
    case ComposeStatus::Ok: {
      Check(page.bits != nullptr && header.Width > 0 && header.Height > 0);
      const std::uint64_t w = static_cast<std::uint64_t>(header.Width);
      const std::uint64_t rowBytes = page.bitsPerPixel == 1 ? 4 * (((w + 7) / 8 + 3) / 4) : 3 * w;
      Check(page.byteCount == rowBytes * static_cast<std::uint64_t>(header.Height));
      volatile std::uint8_t last = page.bits[page.byteCount + kPageSpareBytes - 1];  // all ours
      (void)last;
      ReleaseComposedPage(memory, page);
      break;
    }
    case ComposeStatus::BadGeometry:
    case ComposeStatus::NoRotationScratch:
      Check(std::memcmp(&before, &header, sizeof header) == 0);
      Check(page.bits == nullptr && page.scratch == nullptr);
      break;
    case ComposeStatus::NoPageBuffer:
      Check(page.bits == nullptr && page.scratch == nullptr);
      break;
  }
  Check(memory.Empty());
  return 0;
}
