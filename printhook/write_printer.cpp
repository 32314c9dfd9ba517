// The job's data, block by block: a 3848-byte "DDRV" header starts the output or refreshes the
// hook's copy of it; any longer block is the raster of one page; everything else is dropped.
#include <windows.h>

#include <cstring>

#include "printhook/compose_page.h"
#include "printhook/entry_points.h"
#include "printhook/global_page_memory.h"
#include "printhook/hook_state.h"
#include "printhook/writer_api.h"

namespace printhook {
namespace {

bool IsHeader(const std::uint8_t* data, DWORD byteCount) {
  return byteCount == kSpoolHeaderSize && std::memcmp(data, kSpoolHeaderTag, 4) == 0;
}

void TakeHeader(const std::uint8_t* data, const SpoolHeader& entry) {
  SpoolHeader& header = g_hook.Header;
  std::memcpy(&header, data, kSpoolHeaderSize);
  if (!g_hook.HeaderSeen) {
    g_hook.HeaderSeen = true;
    header.WriterHandle = -1;
    g_hook.ToFileMode = header.ToFile != 0;
    header.PageCount = 0;
    if (!StartOutput()) g_hook.OutputFailed = true;
    return;
  }
  // A refresh keeps what the writer and the page counter hold.
  header.WriterHandle = entry.WriterHandle;
  header.PageCount = entry.PageCount;
  header.WriterState = entry.WriterState;
}

// A page that cannot be written ends the TIFF file: it is closed and deleted. Bitmap output
// keeps the pages written so far.
void GiveUpTiff() {
  if (g_hook.DibOutput) return;
  tiffCompleteFile(&g_hook.Header);
  DeleteFileW(g_hook.OutputFile);
}

BOOL TakePage(const std::uint8_t* data, DWORD byteCount, const SpoolHeader& entry) {
  SpoolHeader& header = g_hook.Header;
  ++g_hook.Job->PageWrites;
  PageMemory& memory = GlobalPageMemory();
  ComposedPage page;
  if (ComposePage(header, data, byteCount, memory, page) != ComposeStatus::Ok) {
    // The composer holds nothing after a failure. Only a refused page buffer leaves changes:
    // Width and Height are put back, the exchanged resolutions stay.
    header.Width = entry.Width;
    header.Height = entry.Height;
    GiveUpTiff();
    return FALSE;
  }

  int written;
  if (!g_hook.DibOutput) {
    header.XResolution = static_cast<std::uint16_t>(header.DevMode.dmPrintQuality);
    header.YResolution = static_cast<std::uint16_t>(header.DevMode.dmYResolution);
    written = tiffAppendPage(&header, page.bits, page.byteCount, page.compression, page.bitsPerPixel, 0);
  } else {
    written = dibOutputFile(&header, page.bits, page.byteCount, page.compression);
  }
  ReleaseComposedPage(memory, page);
  header.Width = entry.Width;
  header.Height = entry.Height;
  if (!written) {
    GiveUpTiff();
    return FALSE;
  }
  header.DevMode.dmYResolution = entry.DevMode.dmYResolution;
  header.DevMode.dmPrintQuality = entry.DevMode.dmPrintQuality;
  return TRUE;
}

}  // namespace
}  // namespace printhook

using printhook::g_hook;

extern "C" BOOL WINAPI DrvSplWritePrinter(HANDLE, LPVOID data, DWORD byteCount, LPDWORD bytesTaken) {
  if (bytesTaken) *bytesTaken = 0;
  if (!g_hook.Job || (!data && byteCount)) return FALSE;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  const printhook::SpoolHeader entry = g_hook.Header;

  if (printhook::IsHeader(bytes, byteCount)) {
    printhook::TakeHeader(bytes, entry);
    if (bytesTaken) *bytesTaken = printhook::kSpoolHeaderSize;
    return TRUE;
  }
  if (byteCount <= printhook::kSpoolHeaderSize) {
    if (bytesTaken) *bytesTaken = byteCount;
    return TRUE;
  }
  // A page needs a started output: before the first header, after the end of the job or when
  // the output could not be started there is no file to add it to.
  if (!g_hook.HeaderSeen || g_hook.OutputFailed) return FALSE;
  if (!printhook::TakePage(bytes, byteCount, entry)) return FALSE;
  if (bytesTaken) *bytesTaken = byteCount;
  return TRUE;
}
