#include "tools/mkspool/spool_builder.h"

#include <cstring>

#include "standins/spoolrun/job_file.h"

namespace mkspool {
namespace {

struct Reader {
  const std::vector<std::uint8_t>& bytes;
  std::size_t at = 0;

  void SkipSpace() {
    while (at < bytes.size()) {
      if (bytes[at] == '#') {
        while (at < bytes.size() && bytes[at] != '\n') ++at;
      } else if (std::strchr(" \t\r\n", bytes[at]) && bytes[at]) {
        ++at;
      } else {
        return;
      }
    }
  }
  bool Number(long& value) {
    SkipSpace();
    if (at >= bytes.size() || bytes[at] < '0' || bytes[at] > '9') return false;
    value = 0;
    while (at < bytes.size() && bytes[at] >= '0' && bytes[at] <= '9') {
      value = value * 10 + (bytes[at++] - '0');
      if (value > 1000000) return false;
    }
    return true;
  }
};

template <std::size_t N>
void SetText(char16_t (&field)[N], const std::u16string& text) {
  std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
  std::memcpy(field, text.data(), n * sizeof(char16_t));
  field[n] = 0;
}

bool SameGeometry(const SpoolPage& a, const SpoolPage& b) {
  return a.width == b.width && a.height == b.height && a.settings.color == b.settings.color &&
         a.settings.landscape == b.settings.landscape && a.settings.paper == b.settings.paper &&
         a.settings.xdpi == b.settings.xdpi && a.settings.ydpi == b.settings.ydpi;
}

void AppendWrite(std::vector<std::uint8_t>& out, const void* data, std::size_t size) {
  spooljob::AppendRecord(out, spooljob::kWrite, data, static_cast<std::uint32_t>(size));
}

}  // namespace

bool ReadPortableImage(const std::vector<std::uint8_t>& file, const PageSettings& settings,
                       SpoolPage& page, std::string& error) {
  Reader in{file};
  if (file.size() < 2 || file[0] != 'P' || !std::strchr("123456", file[1]) || !file[1]) {
    error = "not a PBM or PPM image";
    return false;
  }
  const char kind = static_cast<char>(file[1]);
  const bool pixmap = kind == '3' || kind == '6', graymap = kind == '2' || kind == '5';
  const bool plain = kind == '1' || kind == '2' || kind == '3';
  const int channels = pixmap ? 3 : 1;
  in.at = 2;
  long width, height, maxval = 1;
  if (!in.Number(width) || !in.Number(height) || width <= 0 || height <= 0 ||
      ((pixmap || graymap) && (!in.Number(maxval) || maxval != 255))) {
    error = "bad image header (size, or a maxval other than 255)";
    return false;
  }
  if (!plain) ++in.at;  // the single white space before the raster

  page.width = static_cast<std::int32_t>(width);
  page.height = static_cast<std::int32_t>(height);
  page.settings = settings;
  page.settings.color = pixmap || (settings.color && !graymap);
  const std::size_t stride = page.settings.color ? printhook::ColorStride(width) : printhook::MonoStride(width);
  page.rows.assign(stride * height, page.settings.color ? 0 : 0xFF);

  // Black in the image (PBM bit 1) is a 0 bit in the spool.
  auto pixel = [&](long x, long y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::uint8_t* row = page.rows.data() + y * stride;
    if (page.settings.color) {
      row[3 * x] = b;
      row[3 * x + 1] = g;
      row[3 * x + 2] = r;
    } else if (r < 128) {
      row[x / 8] &= static_cast<std::uint8_t>(~(0x80 >> (x % 8)));
    }
  };
  const std::size_t rasterBytes =
      plain ? 0 : (pixmap || graymap) ? std::size_t(channels) * width * height : ((width + 7) / 8) * height;
  if (!plain && file.size() - in.at < rasterBytes) {
    error = "image data is cut short";
    return false;
  }
  for (long y = 0; y < height; ++y) {
    for (long x = 0; x < width; ++x) {
      if (pixmap || graymap) {
        long c[3];
        for (int k = 0; k < channels; ++k) {
          long& v = c[k];
          if (plain) {
            if (!in.Number(v)) { error = "image data is cut short"; return false; }
          } else {
            v = file[in.at++];
          }
        }
        if (graymap) c[1] = c[2] = c[0];
        pixel(x, y, static_cast<std::uint8_t>(c[0]), static_cast<std::uint8_t>(c[1]), static_cast<std::uint8_t>(c[2]));
      } else {
        bool black;
        if (plain) {
          in.SkipSpace();
          if (in.at >= file.size()) { error = "image data is cut short"; return false; }
          black = file[in.at++] == '1';
        } else {
          black = file[in.at + y * ((width + 7) / 8) + x / 8] & (0x80 >> (x % 8));
        }
        std::uint8_t v = black ? 0 : 255;
        pixel(x, y, v, v, v);
      }
    }
  }
  return true;
}

printhook::SpoolHeader MakeHeader(const JobSettings& job, const SpoolPage& page) {
  printhook::SpoolHeader header = {};
  std::memcpy(header.Tag, printhook::kSpoolHeaderTag, 4);
  header.Width = page.width;
  header.Height = page.height;
  auto& dm = header.DevMode;
  SetText(dm.dmDeviceName, job.device);
  dm.dmSize = sizeof(printhook::DevModePublic);
  dm.dmFields = 0x00000001 | 0x00000002 | 0x00000400 | 0x00000800 | 0x00002000;
  dm.dmOrientation = page.settings.landscape ? printhook::kOrientLandscape : 1;
  dm.dmPaperSize = page.settings.paper;
  dm.dmCopies = 1;
  dm.dmPrintQuality = static_cast<std::int16_t>(page.settings.xdpi);
  dm.dmYResolution = static_cast<std::int16_t>(page.settings.ydpi);
  dm.dmColor = page.settings.color ? printhook::kColorColor : 1;
  header.ToFile = job.toFile ? 1 : 0;
  SetText(header.DocumentName, job.document);
  SetText(header.DeviceName, job.device);
  SetText(header.PortName, job.port);
  SetText(header.OutputPath, job.outputPath);
  return header;
}

std::vector<std::uint8_t> BuildJob(const JobSettings& job, const std::vector<SpoolPage>& pages) {
  std::vector<std::uint8_t> out(spooljob::kMagic, spooljob::kMagic + sizeof spooljob::kMagic);
  spooljob::AppendStartDoc(out, job.jobId);
  SpoolPage blank;
  const SpoolPage* current = pages.empty() ? &blank : &pages.front();
  printhook::SpoolHeader header = MakeHeader(job, *current);
  AppendWrite(out, &header, sizeof header);
  for (const SpoolPage& page : pages) {
    spooljob::AppendRecord(out, spooljob::kStartPage);
    if (!SameGeometry(page, *current)) {
      header = MakeHeader(job, page);
      AppendWrite(out, &header, sizeof header);
      current = &page;
    }
    AppendWrite(out, page.rows.data(), page.rows.size());
    spooljob::AppendRecord(out, spooljob::kEndPage);
  }
  spooljob::AppendRecord(out, spooljob::kEndDoc);
  spooljob::AppendRecord(out, spooljob::kClose);
  return out;
}

}  // namespace mkspool
