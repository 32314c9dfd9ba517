// The paragraph's own font, made as SetFont describes it.
#include <windows.h>

#include "handover/paragraph.h"

namespace handover {

uintptr_t MakeParagraphFont(const std::string& face, int32_t height, int32_t weight) {
  HFONT font = CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  return reinterpret_cast<uintptr_t>(font);
}

void FreeParagraphFont(uintptr_t font) {
  if (font) DeleteObject(reinterpret_cast<HFONT>(font));
}

}  // namespace handover
