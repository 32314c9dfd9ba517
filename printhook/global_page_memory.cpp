#include "printhook/global_page_memory.h"

#include <windows.h>

namespace printhook {
namespace {

class GlobalMemory final : public PageMemory {
 public:
  void* Acquire(std::size_t bytes) override {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block) return nullptr;
    void* data = GlobalLock(block);
    if (!data) GlobalFree(block);
    return data;
  }
  void Release(void* data) override {
    if (!data) return;
    HGLOBAL block = GlobalHandle(data);
    if (!block) return;
    GlobalUnlock(block);
    GlobalFree(block);
  }
};

}  // namespace

PageMemory& GlobalPageMemory() {
  static GlobalMemory memory;
  return memory;
}

}  // namespace printhook
