#include "printhook/paper_width.h"

namespace printhook {

std::uint32_t StandardWidth(std::int16_t paperSize) {
  switch (paperSize) {
    case 3: return 2200;   // Tabloid
    case 6: return 1056;   // Statement
    case 8: return 2432;   // A3
    case 11: return 1120;  // A5
    case 12: return 2048;  // B4
    case 13: return 1376;  // B5
    default: return 1728;  // Letter, Legal, Ledger, Executive, A4 and every unknown code
  }
}

}  // namespace printhook
