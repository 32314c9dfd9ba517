// Page buffers from the platform's global heap, movable and locked while in use.
#pragma once

#include "printhook/compose_page.h"

namespace printhook {
PageMemory& GlobalPageMemory();
}
