// Where the minimised dialog draws its icon: centred in the client area.
#pragma once

namespace dialogframe {

struct IconOrigin {
  int x;
  int y;
};

// (client - icon + 1) / 2 on each axis, integer division truncating toward zero, so a 36- and a
// 35-pixel client both put a 32-pixel icon at 2.
IconOrigin MinimisedIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight);

}  // namespace dialogframe
