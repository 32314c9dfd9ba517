// Binary PBM (P4) and PPM (P6) files as page images: PBM's 1 is black, the page image's 1 is
// blank, so bits are inverted both ways; PPM bytes are the page image's three bytes in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pagecompose {

struct PageImage {
  bool colour = false;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<std::uint8_t> bytes;  // rows of the page image stride (4-byte padded), padding blank
};

// Empty error on success, else a message for the user.
std::string ParsePnm(const std::vector<std::uint8_t>& file, PageImage& image);

// Packed rows (rowBytes each, as the writer gets them) to a P4 or P6 file.
std::vector<std::uint8_t> FormatPnm(bool colour, std::uint32_t width, std::uint32_t height,
                                    const std::uint8_t* rows, std::size_t rowBytes);

}  // namespace pagecompose
