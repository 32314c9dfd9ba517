#include "standins/vr14drt/packbits.h"

namespace vr14drt {

void PackBitsRow(const std::uint8_t* row, std::size_t length, std::vector<std::uint8_t>& out) {
  std::size_t i = 0;
  while (i < length) {
    std::size_t run = 1;
    while (i + run < length && run < 128 && row[i + run] == row[i]) ++run;
    if (run >= 2) {
      out.push_back(static_cast<std::uint8_t>(257 - run));
      out.push_back(row[i]);
      i += run;
      continue;
    }
    // Literal bytes up to the next run of at least two.
    std::size_t start = i;
    while (i < length && i - start < 128) {
      if (i + 1 < length && row[i] == row[i + 1]) break;
      ++i;
    }
    out.push_back(static_cast<std::uint8_t>(i - start - 1));
    out.insert(out.end(), row + start, row + i);
  }
}

}  // namespace vr14drt
