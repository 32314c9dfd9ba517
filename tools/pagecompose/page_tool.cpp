#include "tools/pagecompose/page_tool.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "printhook/compose_page.h"
#include "tools/pagecompose/pnm_image.h"

namespace pagecompose {
namespace {

constexpr char kUsage[] =
    "usage: pagecompose [--paper N] [--landscape] [--xdpi N] [--ydpi N] "
    "[--quality-selector N] IN OUT\n";

struct Options {
  std::int16_t paper = 9;  // A4
  bool landscape = false;
  std::int16_t xdpi = 200;
  std::int16_t ydpi = 200;
  std::int16_t qualitySelector = 0;
  std::string in, out;
};

bool ParseShort(const std::string& text, std::int16_t& value) {
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < -32768 || v > 32767) return false;
  value = static_cast<std::int16_t>(v);
  return true;
}

bool ParseOptions(const std::vector<std::string>& args, Options& o) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::int16_t* number = nullptr;
    if (a == "--landscape") {
      o.landscape = true;
      continue;
    }
    if (a == "--paper") number = &o.paper;
    else if (a == "--xdpi") number = &o.xdpi;
    else if (a == "--ydpi") number = &o.ydpi;
    else if (a == "--quality-selector") number = &o.qualitySelector;
    if (number) {
      if (++i == args.size() || !ParseShort(args[i], *number)) return false;
    } else if (a.size() > 1 && a[0] == '-') {
      return false;
    } else {
      files.push_back(a);
    }
  }
  if (files.size() != 2) return false;
  o.in = files[0];
  o.out = files[1];
  return true;
}

struct HeapMemory : printhook::PageMemory {
  void* Acquire(std::size_t bytes) override { return std::malloc(bytes); }
  void Release(void* block) override { std::free(block); }
};

}  // namespace

int RunPageCompose(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options o;
  if (!ParseOptions(args, o)) {
    err << kUsage;
    return kExitUsage;
  }
  std::ifstream in(o.in, std::ios::binary);
  if (!in) {
    err << "pagecompose: cannot read " << o.in << "\n";
    return kExitFailed;
  }
  const std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
  PageImage image;
  if (const std::string problem = ParsePnm(file, image); !problem.empty()) {
    err << "pagecompose: " << o.in << ": " << problem << "\n";
    return kExitFailed;
  }

  printhook::SpoolHeader header{};
  header.Width = static_cast<std::int32_t>(image.width);
  header.Height = static_cast<std::int32_t>(image.height);
  header.DevMode.dmPaperSize = o.paper;
  header.DevMode.dmOrientation = o.landscape ? printhook::kOrientLandscape : 1;
  header.DevMode.dmColor = image.colour ? printhook::kColorColor : 1;
  header.DevMode.dmPrintQuality = o.xdpi;
  header.DevMode.dmYResolution = o.ydpi;
  header.QualitySelector = o.qualitySelector;

  HeapMemory memory;
  printhook::ComposedPage page;
  const auto status =
      printhook::ComposePage(header, image.bytes.data(), image.bytes.size(), memory, page);
  if (status != printhook::ComposeStatus::Ok) {
    err << "pagecompose: " << o.in << ": "
        << (status == printhook::ComposeStatus::BadGeometry ? "page size out of range"
                                                             : "out of memory")
        << "\n";
    return kExitFailed;
  }
  const auto width = static_cast<std::uint32_t>(header.Width);
  const auto height = static_cast<std::uint32_t>(header.Height);
  const std::size_t rowBytes = image.colour ? 3 * std::size_t{width} : (width + 7) / 8;
  const auto result = FormatPnm(image.colour, width, height, page.bits, rowBytes);
  const unsigned bitsPerPixel = page.bitsPerPixel, compression = page.compression;
  printhook::ReleaseComposedPage(memory, page);

  std::ofstream output(o.out, std::ios::binary);
  output.write(reinterpret_cast<const char*>(result.data()), static_cast<std::streamsize>(result.size()));
  output.close();
  if (!output) {
    err << "pagecompose: cannot write " << o.out << "\n";
    return kExitFailed;
  }
  out << "width " << width << "\n"
      << "height " << height << "\n"
      << "bits per pixel " << bitsPerPixel << "\n"
      << "compression " << compression << "\n"
      << "resolution " << header.DevMode.dmPrintQuality << " x " << header.DevMode.dmYResolution
      << " dpi\n"
      << "quality " << header.Quality << "\n";
  return kExitOk;
}

}  // namespace pagecompose
