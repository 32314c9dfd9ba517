#include "printhook/hand_off_area.h"

#include <cstring>

#include "common/double_byte.h"

namespace printhook {

std::size_t WholeCharactersWithin(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size()) {
    std::size_t next = end + (vr::IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1);
    if (next > limit || next > text.size()) break;
    end = next;
  }
  return end;
}

bool ComposeHandOffArea(std::string_view path, std::string_view name, unsigned char* area,
                        std::size_t size) {
  if (path.size() + 2 > size) return false;
  const std::size_t nameRoom = size - path.size() - 2;
  const std::size_t nameLength =
      name.size() <= nameRoom ? name.size() : WholeCharactersWithin(name, nameRoom);
  std::memcpy(area, path.data(), path.size());
  area[path.size()] = 0;
  std::memcpy(area + path.size() + 1, name.data(), nameLength);
  area[path.size() + 1 + nameLength] = 0;
  return true;
}

}  // namespace printhook
