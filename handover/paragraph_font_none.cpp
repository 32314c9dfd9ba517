// Builds without a platform have no fonts; the paragraph draws with the device's font anyway.
#include "handover/paragraph.h"

namespace handover {

uintptr_t MakeParagraphFont(const std::string&, int32_t, int32_t) { return 0; }
void FreeParagraphFont(uintptr_t) {}

}  // namespace handover
