// Page composition speed on whole fax pages, each beside a memcpy of the same byte count.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <vector>

#include "printhook/compose_page.h"
#include "tests/printhook_compose/page_images.h"

namespace {

using namespace printhook;

// Keeps released blocks for the next request of the same size, so that the figures show the
// composition and not the first touch of fresh pages.
class ReusingMemory : public PageMemory {
 public:
  ~ReusingMemory() override {
    for (auto& [size, block] : free_) delete[] block;
  }
  void* Acquire(std::size_t bytes) override {
    auto it = free_.find(bytes);
    if (it != free_.end()) {
      std::uint8_t* block = it->second;
      free_.erase(it);
      sizes_[block] = bytes;
      return block;
    }
    auto* block = new std::uint8_t[bytes];
    std::memset(block, 0, bytes);
    sizes_[block] = bytes;
    return block;
  }
  void Release(void* block) override {
    if (block == nullptr) return;
    auto* b = static_cast<std::uint8_t*>(block);
    free_.emplace(sizes_[b], b);
    sizes_.erase(b);
  }

 private:
  std::multimap<std::size_t, std::uint8_t*> free_;
  std::map<std::uint8_t*, std::size_t> sizes_;
};

std::vector<std::uint8_t> Noise(std::size_t bytes) { return pagetest::RandomBytes(bytes, 42); }

SpoolHeader Header(std::int32_t width, std::int32_t height, bool landscape, bool colour,
                   std::int16_t dpi) {
  return pagetest::MakeHeader(width, height, 9, landscape, colour, dpi, dpi);
}

void Memcpy(benchmark::State& state) {
  const auto bytes = static_cast<std::size_t>(state.range(0));
  std::vector<std::uint8_t> from = Noise(bytes), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

// Landscape A4 at 400 dpi, 1-bit: W = 4680, H = 3300 (rotation reads 3304 rows).
constexpr std::uint32_t kMonoW = 4680, kMonoH = 3300;
constexpr std::uint32_t kMonoStride = 588;
constexpr std::uint32_t kMonoRows = 3304;

void RotateMonoA4At400(benchmark::State& state) {
  const auto source = Noise(std::size_t{kMonoRows} * kMonoStride);
  std::vector<std::uint8_t> destination(8 * kMonoStride * MonoStride(kMonoH));
  for (auto _ : state) {
    RotateMono(destination.data(), source.data(), kMonoStride, kMonoH);
    benchmark::DoNotOptimize(destination.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(source.size()));
}

void RotateMonoBlocksA4At400(benchmark::State& state) {
  const auto source = Noise(std::size_t{kMonoRows} * kMonoStride);
  std::vector<std::uint8_t> destination(8 * kMonoStride * MonoStride(kMonoH));
  for (auto _ : state) {
    RotateMonoBlocks(destination.data(), source.data(), kMonoStride, kMonoH);
    benchmark::DoNotOptimize(destination.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(source.size()));
}

void ComposePageOf(benchmark::State& state, SpoolHeader header) {
  const std::size_t stride = header.DevMode.dmColor == kColorColor
                                 ? ColorStride(header.Width)
                                 : MonoStride(header.Width);
  const auto block = Noise(stride * header.Height);
  ReusingMemory memory;
  std::uint32_t count = 0;
  for (auto _ : state) {
    SpoolHeader h = header;
    ComposedPage page;
    if (ComposePage(h, block.data(), block.size(), memory, page) != ComposeStatus::Ok) {
      state.SkipWithError("ComposePage failed");
      break;
    }
    count = page.byteCount;
    benchmark::DoNotOptimize(page.bits);
    ReleaseComposedPage(memory, page);
  }
  state.counters["output_bytes"] = count;
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(block.size()));
}

void ComposeLandscapeA4At400(benchmark::State& state) {
  ComposePageOf(state, Header(kMonoW, kMonoH, true, false, 400));
}
void ComposePortraitA4At200(benchmark::State& state) {
  ComposePageOf(state, Header(1700, 2339, false, false, 200));
}
void ComposeColourLandscapeA4At200(benchmark::State& state) {
  ComposePageOf(state, Header(2339, 1654, true, true, 200));
}

// Landscape A4 at 200 dpi in colour: W = 2339, H = 1654.
void RotateColorA4At200(benchmark::State& state) {
  const std::uint32_t w = 2339, h = 1654;
  const std::uint32_t stride = static_cast<std::uint32_t>(ColorStride(w));
  const auto source = Noise(std::size_t{h} * stride);
  std::vector<std::uint8_t> destination(w * ColorStride(h));
  for (auto _ : state) {
    RotateColor(destination.data(), source.data(), w, h, stride);
    benchmark::DoNotOptimize(destination.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(source.size()));
}

}  // namespace

// 1-bit 400-dpi page: 3300 rows of 588 bytes.
BENCHMARK(Memcpy)->Name("Memcpy/mono_400_source")->Arg(3300 * 588)->Unit(benchmark::kMicrosecond);
BENCHMARK(RotateMonoA4At400)->Unit(benchmark::kMicrosecond);
BENCHMARK(RotateMonoBlocksA4At400)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComposeLandscapeA4At400)->Unit(benchmark::kMicrosecond);
// 1-bit 200-dpi portrait page: output 2339 rows of 216 bytes.
BENCHMARK(Memcpy)->Name("Memcpy/portrait_200_output")->Arg(2339 * 216)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComposePortraitA4At200)->Unit(benchmark::kMicrosecond);
// Colour 200-dpi landscape page: 1654 rows of 7020 bytes.
BENCHMARK(Memcpy)->Name("Memcpy/colour_200_source")->Arg(1654 * 7020)->Unit(benchmark::kMicrosecond);
BENCHMARK(RotateColorA4At200)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComposeColourLandscapeA4At200)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
