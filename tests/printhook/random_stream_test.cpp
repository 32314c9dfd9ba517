// Arbitrary block sequences into DrvSplWritePrinter and the other entry points, in this
// process: no crash, and no read past a block (each block ends at a page that cannot be read).
#include <gtest/gtest.h>

#include <random>

#include "printhook/entry_points.h"
#include "tests/printhook/print_run.h"

namespace phtest {
namespace {

// A block whose last byte is followed by an inaccessible page.
class GuardedBlock {
 public:
  explicit GuardedBlock(const std::vector<std::uint8_t>& bytes) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    const std::size_t page = info.dwPageSize;
    span_ = (bytes.size() + page - 1) / page * page + page;
    base_ = static_cast<std::uint8_t*>(VirtualAlloc(nullptr, span_, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    DWORD old;
    VirtualProtect(base_ + span_ - page, page, PAGE_NOACCESS, &old);
    data_ = base_ + span_ - page - bytes.size();
    std::copy(bytes.begin(), bytes.end(), data_);
  }
  ~GuardedBlock() { VirtualFree(base_, 0, MEM_RELEASE); }
  std::uint8_t* data() const { return data_; }

 private:
  std::uint8_t* base_ = nullptr;
  std::uint8_t* data_ = nullptr;
  std::size_t span_ = 0;
};

struct Hook {
  HMODULE dll;
  DrvSplStartDocFn startDoc;
  DrvSplPageFn startPage, endPage;
  DrvSplWritePrinterFn write;
  DrvSplJobFn endDoc, abort, close;
};

template <class T>
T Entry(HMODULE dll, const char* name) {
  return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

std::vector<std::uint8_t> RandomHeader(std::mt19937& random) {
  mkspool::PageSettings settings;
  const std::int16_t papers[] = {1, 3, 8, 9, 11, 12, 70, -1};
  const std::uint16_t dpis[] = {0, 100, 200, 400, 65535};
  settings.paper = papers[random() % 8];
  settings.landscape = random() % 3 == 0;
  settings.color = random() % 4 == 0;
  settings.xdpi = dpis[random() % 5];
  settings.ydpi = dpis[random() % 5];
  mkspool::SpoolPage page;
  page.settings = settings;
  const int limit = settings.color ? 300 : 2600;
  page.width = static_cast<int>(random() % limit) - 2;
  page.height = static_cast<int>(random() % limit) - 2;
  mkspool::JobSettings job;
  job.toFile = random() % 4 == 0;
  for (int i = random() % 12; i > 0; --i) job.document += static_cast<char16_t>(0x20 + random() % 0x60);
  printhook::SpoolHeader header = mkspool::MakeHeader(job, page);
  if (random() % 5 == 0) header.WriterHandle = static_cast<std::int64_t>(random());
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&header);
  return std::vector<std::uint8_t>(bytes, bytes + sizeof header);
}

TEST(RandomStream, NoCrashAndNoReadPastABlock) {
  PrintInstallation install;
  SetEnv("VR14DRT_LOG", nullptr);
  Hook hook;
  hook.dll = LoadLibraryA((RunFolder() + "\\printhook.dll").c_str());
  ASSERT_NE(hook.dll, nullptr);
  hook.startDoc = Entry<DrvSplStartDocFn>(hook.dll, "DrvSplStartDoc");
  hook.startPage = Entry<DrvSplPageFn>(hook.dll, "DrvSplStartPage");
  hook.endPage = Entry<DrvSplPageFn>(hook.dll, "DrvSplEndPage");
  hook.write = Entry<DrvSplWritePrinterFn>(hook.dll, "DrvSplWritePrinter");
  hook.endDoc = Entry<DrvSplJobFn>(hook.dll, "DrvSplEndDoc");
  hook.abort = Entry<DrvSplJobFn>(hook.dll, "DrvSplAbort");
  hook.close = Entry<DrvSplJobFn>(hook.dll, "DrvSplClose");

  std::mt19937 random(20091);
  HANDLE driver = nullptr;
  int writes = 0, pagesTaken = 0;
  for (int step = 0; step < 1500; ++step) {
    switch (random() % 10) {
      case 0: driver = hook.startDoc(reinterpret_cast<HANDLE>(1), step); break;
      case 1: hook.startPage(driver); break;
      case 2: hook.endPage(driver); break;
      case 3: if (random() % 4 == 0) hook.endDoc(driver); else hook.abort(driver); break;
      case 4: hook.close(driver); break;
      default: {
        std::vector<std::uint8_t> block;
        switch (random() % 4) {
          case 0: block = RandomHeader(random); break;
          case 1: block.resize(random() % 3849); break;
          default: block.resize(3849 + random() % 400000, static_cast<std::uint8_t>(random())); break;
        }
        if (block.size() >= 4 && random() % 3 == 0) std::copy(printhook::kSpoolHeaderTag, printhook::kSpoolHeaderTag + 4, block.begin());
        GuardedBlock guarded(block);
        DWORD taken = 12345;
        BOOL ok = hook.write(driver, guarded.data(), static_cast<DWORD>(block.size()), &taken);
        EXPECT_EQ(taken, ok ? static_cast<DWORD>(block.size() == 3848 ? 3848 : block.size()) : 0u);
        ++writes;
        if (ok && block.size() > 3848) ++pagesTaken;
      }
    }
  }
  hook.close(driver);
  FreeLibrary(hook.dll);
  EXPECT_GT(writes, 500);
  EXPECT_GT(pagesTaken, 20);  // the sequences reach the composer and the writer
}

}  // namespace
}  // namespace phtest
