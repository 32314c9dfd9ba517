#include "tools/pagecompose/pnm_image.h"

#include <cctype>
#include <cstring>

#include "printhook/spool_header.h"

namespace pagecompose {
namespace {

constexpr std::uint64_t kMaxSide = 1u << 20;  // pixels; far beyond any page

// Header fields are separated by whitespace and comments running to the end of the line.
bool ReadNumber(const std::vector<std::uint8_t>& f, std::size_t& at, std::uint64_t& value) {
  while (at < f.size()) {
    if (f[at] == '#') {
      while (at < f.size() && f[at] != '\n') ++at;
    } else if (std::isspace(f[at])) {
      ++at;
    } else {
      break;
    }
  }
  if (at >= f.size() || !std::isdigit(f[at])) return false;
  value = 0;
  while (at < f.size() && std::isdigit(f[at])) {
    value = value * 10 + (f[at++] - '0');
    if (value > kMaxSide) return false;
  }
  return true;
}

}  // namespace

std::string ParsePnm(const std::vector<std::uint8_t>& file, PageImage& image) {
  if (file.size() < 2 || file[0] != 'P' || (file[1] != '4' && file[1] != '6'))
    return "not a binary PBM (P4) or PPM (P6) file";
  image.colour = file[1] == '6';
  std::size_t at = 2;
  std::uint64_t width = 0, height = 0, maxValue = 255;
  if (!ReadNumber(file, at, width) || !ReadNumber(file, at, height) ||
      (image.colour && !ReadNumber(file, at, maxValue)))
    return "bad PBM/PPM header";
  if (width == 0 || height == 0) return "image has no pixels";
  if (maxValue == 0 || maxValue > 255) return "only PPM files with one byte per sample are read";
  if (at >= file.size() || !std::isspace(file[at])) return "bad PBM/PPM header";
  ++at;  // the single whitespace before the data

  const std::size_t fileRow = image.colour ? 3 * width : (width + 7) / 8;
  const std::size_t stride =
      image.colour ? printhook::ColorStride(width) : printhook::MonoStride(width);
  if (file.size() - at < fileRow * height) return "truncated image data";
  image.width = static_cast<std::uint32_t>(width);
  image.height = static_cast<std::uint32_t>(height);
  image.bytes.assign(stride * height, 0xFF);
  for (std::size_t r = 0; r < height; ++r) {
    const std::uint8_t* from = &file[at + r * fileRow];
    std::uint8_t* to = &image.bytes[r * stride];
    if (image.colour) {
      std::memcpy(to, from, fileRow);
    } else {
      for (std::size_t k = 0; k < fileRow; ++k) to[k] = static_cast<std::uint8_t>(~from[k]);
    }
  }
  return {};
}

std::vector<std::uint8_t> FormatPnm(bool colour, std::uint32_t width, std::uint32_t height,
                                    const std::uint8_t* rows, std::size_t rowBytes) {
  const std::string head = std::string(colour ? "P6\n" : "P4\n") + std::to_string(width) + " " +
                           std::to_string(height) + (colour ? "\n255\n" : "\n");
  const std::size_t fileRow = colour ? 3 * std::size_t{width} : (width + 7) / 8;
  std::vector<std::uint8_t> file(head.begin(), head.end());
  file.reserve(file.size() + fileRow * height);
  for (std::size_t r = 0; r < height; ++r) {
    const std::uint8_t* row = rows + r * rowBytes;
    for (std::size_t k = 0; k < fileRow; ++k)
      file.push_back(colour ? row[k] : static_cast<std::uint8_t>(~row[k]));
  }
  return file;
}

}  // namespace pagecompose
