// A multi-page TIFF file written page by page: each page is one strip and one directory,
// linked to the previous one; the page totals are filled in when the file is completed.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

namespace vr14drt {

struct TiffPage {
  std::uint32_t width, height;
  std::uint16_t bitsPerPixel;  // 1 or 24
  std::uint16_t compression;   // 32773 or 7
  std::uint16_t xResolution, yResolution;
  std::uint16_t ycbcrH = 2, ycbcrV = 2;  // JPEG pages: the stream's chroma subsampling
  const std::vector<std::uint8_t>* strip;
};

class TiffFile {
 public:
  explicit TiffFile(std::FILE* file);
  bool AddPage(const TiffPage& page);
  bool Complete();  // closes the file
  std::uint32_t Pages() const { return pages_; }

 private:
  std::uint32_t End();
  void Put16(std::uint32_t at, std::uint16_t v);
  void Put32(std::uint32_t at, std::uint32_t v);

  std::FILE* file_;
  std::uint32_t link_ = 4;  // where the next directory's offset goes
  std::uint32_t pages_ = 0;
  std::vector<std::uint32_t> pageNumberAt_;
  bool ok_ = true;
};

}  // namespace vr14drt
