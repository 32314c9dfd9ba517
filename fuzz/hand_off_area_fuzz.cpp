// The hand-off area never gets a byte past its size, whatever the texts and the area size.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "printhook/hand_off_area.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  // First two bytes: the area size (0-1023) and where the input splits into path and name.
  const std::size_t areaSize = (data[0] | (data[1] & 0x03) << 8);
  const std::size_t split = data[2] % (size - 2);
  std::string_view rest(reinterpret_cast<const char*>(data + 3), size - 3);
  std::string_view path = rest.substr(0, split);
  std::string_view name = rest.substr(split);
  std::vector<unsigned char> area(areaSize + 16, 0xAA);
  const bool written = printhook::ComposeHandOffArea(path, name, area.data(), areaSize);
  for (std::size_t i = areaSize; i < area.size(); ++i)
    if (area[i] != 0xAA) std::abort();
  if (written != (path.size() + 2 <= areaSize)) std::abort();
  if (written && (area[path.size()] != 0 || std::string_view(reinterpret_cast<char*>(area.data()),
                                                             path.size()) != path))
    std::abort();
  return 0;
}
