// Standard fax line width (pixels per row at the base resolution) by paper code.
#pragma once

#include <cstdint>

namespace printhook {

// dmPaperSize codes of the platform that have a width of their own; any other code is 1728.
std::uint32_t StandardWidth(std::int16_t paperSize);

}  // namespace printhook
