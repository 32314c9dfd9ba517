#include "dialogframe/icon_origin.h"

namespace dialogframe {

IconOrigin MinimisedIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight) {
  return IconOrigin{(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

}  // namespace dialogframe
