// Reads the position a dialog template asks for; (0,0) means "centre me".
#pragma once

#include <cstddef>

namespace dialogframe {

// Both template layouts (classic and extended). False when the data is too short to tell.
bool TemplatePosition(const unsigned char* data, std::size_t size, int& x, int& y);

}  // namespace dialogframe
