#include "dialogframe/dialog_template.h"

namespace dialogframe {
namespace {

int ReadShort(const unsigned char* p) { return static_cast<short>(p[0] | (p[1] << 8)); }

}  // namespace

bool TemplatePosition(const unsigned char* data, std::size_t size, int& x, int& y) {
  // Extended: version 1, signature 0xFFFF, help id, ex-style, style, item count, then x and y.
  // Classic: style, ex-style, item count, then x and y.
  const bool extended = size >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF;
  const std::size_t at = extended ? 18 : 10;
  if (size < at + 4) return false;
  x = ReadShort(data + at);
  y = ReadShort(data + at + 2);
  return true;
}

}  // namespace dialogframe
