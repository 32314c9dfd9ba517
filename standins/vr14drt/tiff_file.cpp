#include "standins/vr14drt/tiff_file.h"

#include <algorithm>

namespace vr14drt {
namespace {

enum : std::uint16_t { kShort = 3, kLong = 4, kRational = 5 };

struct Entry {
  std::uint16_t tag, type;
  std::uint32_t count, value;  // value: inline (short in the low half) or an offset
};

void Append16(std::vector<std::uint8_t>& b, std::uint16_t v) {
  b.push_back(v & 0xFF);
  b.push_back(v >> 8);
}
void Append32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF);
}

}  // namespace

TiffFile::TiffFile(std::FILE* file) : file_(file) {
  std::vector<std::uint8_t> head = {'I', 'I', 42, 0};
  Append32(head, 0);
  ok_ = std::fwrite(head.data(), 1, head.size(), file_) == head.size();
}

std::uint32_t TiffFile::End() {
  std::fseek(file_, 0, SEEK_END);
  long at = std::ftell(file_);
  if (at & 1) {
    std::fputc(0, file_);
    ++at;
  }
  return static_cast<std::uint32_t>(at);
}

void TiffFile::Put16(std::uint32_t at, std::uint16_t v) {
  std::vector<std::uint8_t> b;
  Append16(b, v);
  std::fseek(file_, at, SEEK_SET);
  ok_ = ok_ && std::fwrite(b.data(), 1, 2, file_) == 2;
}

void TiffFile::Put32(std::uint32_t at, std::uint32_t v) {
  std::vector<std::uint8_t> b;
  Append32(b, v);
  std::fseek(file_, at, SEEK_SET);
  ok_ = ok_ && std::fwrite(b.data(), 1, 4, file_) == 4;
}

bool TiffFile::AddPage(const TiffPage& page) {
  if (!ok_) return false;
  const bool color = page.bitsPerPixel == 24;
  std::uint32_t stripAt = End();
  const auto& strip = *page.strip;
  if (std::fwrite(strip.data(), 1, strip.size(), file_) != strip.size()) return ok_ = false;

  // Values that do not fit into an entry: bits per sample (colour) and the two resolutions.
  std::uint32_t extraAt = End();
  std::vector<std::uint8_t> extra;
  std::uint32_t bitsAt = extraAt + static_cast<std::uint32_t>(extra.size());
  if (color)
    for (int i = 0; i < 3; ++i) Append16(extra, 8);
  std::uint32_t xAt = extraAt + static_cast<std::uint32_t>(extra.size());
  Append32(extra, page.xResolution);
  Append32(extra, 1);
  std::uint32_t yAt = extraAt + static_cast<std::uint32_t>(extra.size());
  Append32(extra, page.yResolution);
  Append32(extra, 1);

  std::vector<Entry> entries = {
      {254, kLong, 1, 2},  // one page of a multi-page document
      {256, kLong, 1, page.width},
      {257, kLong, 1, page.height},
      {258, kShort, color ? 3u : 1u, color ? bitsAt : 1u},
      {259, kShort, 1, page.compression},
      {262, kShort, 1, color ? 6u : 1u},  // YCbCr, or black is zero (blank bits are white)
      {273, kLong, 1, stripAt},
      {277, kShort, 1, color ? 3u : 1u},
      {278, kLong, 1, page.height},
      {279, kLong, 1, static_cast<std::uint32_t>(strip.size())},
      {282, kRational, 1, xAt},
      {283, kRational, 1, yAt},
      {284, kShort, 1, 1},
      {296, kShort, 1, 2},  // inch
      {297, kShort, 2, pages_},  // page number; the total is set at completion
  };
  if (color)
    entries.push_back({530, kShort, 2, static_cast<std::uint32_t>(page.ycbcrH | (page.ycbcrV << 16))});

  std::uint32_t ifdAt = extraAt + static_cast<std::uint32_t>(extra.size());
  ifdAt += ifdAt & 1;
  if (extra.size() & 1) extra.push_back(0);
  std::vector<std::uint8_t>& ifd = extra;
  Append16(ifd, static_cast<std::uint16_t>(entries.size()));
  for (const Entry& e : entries) {
    Append16(ifd, e.tag);
    Append16(ifd, e.type);
    Append32(ifd, e.count);
    if (e.tag == 297) pageNumberAt_.push_back(static_cast<std::uint32_t>(extraAt + ifd.size() + 2));
    Append32(ifd, e.value);
  }
  Append32(ifd, 0);
  std::fseek(file_, extraAt, SEEK_SET);
  if (std::fwrite(ifd.data(), 1, ifd.size(), file_) != ifd.size()) return ok_ = false;
  Put32(link_, ifdAt);
  link_ = static_cast<std::uint32_t>(ifdAt + 2 + 12 * entries.size());
  ++pages_;
  return ok_;
}

bool TiffFile::Complete() {
  for (std::uint32_t at : pageNumberAt_) Put16(at, static_cast<std::uint16_t>(pages_));
  bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return ok_ && closed;
}

}  // namespace vr14drt
