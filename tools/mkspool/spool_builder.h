// Building the blocks that the fax driver's rendering side writes into a print job: header
// records and page images, from portable bitmaps (PBM) and pixmaps (PPM).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "printhook/spool_header.h"

namespace mkspool {

struct PageSettings {
  std::int16_t paper = 9;  // A4
  bool landscape = false;
  std::uint16_t xdpi = 200, ydpi = 200;
  bool color = false;
};

struct JobSettings {
  std::u16string document, device = u"VELORIX FAX", port = u"VRFAX:", outputPath;
  bool toFile = false;
  std::uint32_t jobId = 1;
};

// A page image in the spool layout: rows padded to 4 bytes; 1 bit with blank = 1, or
// three bytes per pixel in blue, green, red order.
struct SpoolPage {
  std::int32_t width = 0, height = 0;
  PageSettings settings;
  std::vector<std::uint8_t> rows;
};

// Reads a PBM (P1/P4), PGM (P2/P5, black below half) or PPM (P3/P6, maxval 255) image into the spool layout. A PPM page is
// a colour page; so is a PBM page when settings.color asks for it.
bool ReadPortableImage(const std::vector<std::uint8_t>& file, const PageSettings& settings,
                       SpoolPage& page, std::string& error);

printhook::SpoolHeader MakeHeader(const JobSettings& job, const SpoolPage& page);

// The whole job: start, first header, the pages (with a refreshed header whenever the
// geometry changes), end and close.
std::vector<std::uint8_t> BuildJob(const JobSettings& job, const std::vector<SpoolPage>& pages);

}  // namespace mkspool
