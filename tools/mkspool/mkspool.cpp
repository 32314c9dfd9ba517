// mkspool: writes a job file for spoolrun from PBM/PPM pages.
//   mkspool [--paper N] [--landscape] [--portrait] [--xdpi N] [--ydpi N] [--color]
//           [--document NAME] [--to-file] [--output-path P] [--device NAME] [--port NAME]
//           [--job N] -o JOB PAGE...
// Page options (paper, orientation, resolutions, colour) apply to the pages named after them,
// so one job can mix portrait, landscape and colour pages.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "standins/spoolrun/job_file.h"
#include "tools/mkspool/spool_builder.h"

namespace {

std::u16string FromUtf8(const char* text) {
  std::u16string out;
  for (const auto* p = reinterpret_cast<const unsigned char*>(text); *p;) {
    char32_t c = *p++;
    int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (more) c &= 0x3F >> more;
    while (more-- && (*p & 0xC0) == 0x80) c = (c << 6) | (*p++ & 0x3F);
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  return out;
}

bool ReadFile(const char* path, std::vector<std::uint8_t>& bytes) {
  return spooljob::ReadAndClose(std::fopen(path, "rb"), bytes);
}

int Usage() {
  std::fprintf(stderr,
               "usage: mkspool [--paper N] [--landscape|--portrait] [--xdpi N] [--ydpi N] [--color]\n"
               "               [--document NAME] [--to-file] [--output-path P] [--device NAME]\n"
               "               [--port NAME] [--job N] -o JOB PAGE...\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  mkspool::JobSettings job;
  mkspool::PageSettings settings;
  std::vector<mkspool::SpoolPage> pages;
  const char* output = nullptr;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    const char* v = nullptr;
    if (arg == "--landscape") settings.landscape = true;
    else if (arg == "--portrait") settings.landscape = false;
    else if (arg == "--color") settings.color = true;
    else if (arg == "--to-file") job.toFile = true;
    else if (arg == "--paper" && (v = value())) settings.paper = static_cast<std::int16_t>(std::atoi(v));
    else if (arg == "--xdpi" && (v = value())) settings.xdpi = static_cast<std::uint16_t>(std::atoi(v));
    else if (arg == "--ydpi" && (v = value())) settings.ydpi = static_cast<std::uint16_t>(std::atoi(v));
    else if (arg == "--document" && (v = value())) job.document = FromUtf8(v);
    else if (arg == "--output-path" && (v = value())) job.outputPath = FromUtf8(v);
    else if (arg == "--device" && (v = value())) job.device = FromUtf8(v);
    else if (arg == "--port" && (v = value())) job.port = FromUtf8(v);
    else if (arg == "--job" && (v = value())) job.jobId = static_cast<std::uint32_t>(std::strtoul(v, nullptr, 10));
    else if (arg == "-o" && (v = value())) output = v;
    else if (arg.size() > 1 && arg[0] == '-') return Usage();
    else {
      std::vector<std::uint8_t> bytes;
      if (!ReadFile(argv[i], bytes)) {
        std::fprintf(stderr, "mkspool: cannot read %s\n", argv[i]);
        return 1;
      }
      mkspool::SpoolPage page;
      std::string error;
      if (!mkspool::ReadPortableImage(bytes, settings, page, error)) {
        std::fprintf(stderr, "mkspool: %s: %s\n", argv[i], error.c_str());
        return 1;
      }
      pages.push_back(std::move(page));
    }
  }
  if (!output || pages.empty()) return Usage();
  std::vector<std::uint8_t> jobBytes = mkspool::BuildJob(job, pages);
  std::FILE* file = std::fopen(output, "wb");
  if (!file || std::fwrite(jobBytes.data(), 1, jobBytes.size(), file) != jobBytes.size() || std::fclose(file) != 0) {
    std::fprintf(stderr, "mkspool: cannot write %s\n", output);
    return 1;
  }
  std::printf("mkspool: %s: %zu pages, %zu bytes\n", output, pages.size(), jobBytes.size());
  return 0;
}
