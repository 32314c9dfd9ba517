// Stand-in of the fax driver's rendering DLL "VR14DRT.dll": writes the hook's pages as one
// multi-page TIFF (PackBits for 1 bit, JPEG for 24 bits) or as one bitmap file per page, and
// tells the installation's folders.
//
// Its behaviour comes from the environment, as a DLL has no command line:
//   VR14DRT_LOG=FILE   append one line per call (with the microseconds it took) to FILE
//   VR14DRT_FAIL=create | append=N | dib=N   make that call fail (N counts from 1)
// dibOutputFile writes <transmit-data folder>\DIBPAGE<nnnn>.BMP, nnnn the header's PageCount.
#define VR14DRT_BUILD
#include "printhook/writer_api.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "standins/vr14drt/dib_file.h"
#include "standins/vr14drt/install_folders.h"
#include "standins/vr14drt/jpeg_encoder.h"
#include "standins/vr14drt/packbits.h"
#include "standins/vr14drt/tiff_file.h"

using printhook::SpoolHeader;

namespace {

constexpr std::uint32_t kWriterStateOpen = 0x46464954;  // "TIFF"
constexpr int kSlots = 16;
vr14drt::TiffFile* g_files[kSlots];
int g_dibCalls = 0;

class CallLog {
 public:
  CallLog() { QueryPerformanceCounter(&start_); }
  void Line(const char* format, ...) {
    const char* path = std::getenv("VR14DRT_LOG");
    if (!path) return;
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    long long micros = (now.QuadPart - start_.QuadPart) * 1000000 / frequency.QuadPart;
    std::FILE* log = std::fopen(path, "a");
    if (!log) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(log, format, args);
    va_end(args);
    std::fprintf(log, " us=%lld\n", micros);
    std::fclose(log);
  }

 private:
  LARGE_INTEGER start_;
};

bool FailureAsked(const char* call, int count) {
  const char* fail = std::getenv("VR14DRT_FAIL");
  if (!fail) return false;
  std::size_t length = std::strlen(call);
  if (std::strncmp(fail, call, length) != 0) return false;
  if (fail[length] == 0) return true;
  return fail[length] == '=' && std::atoi(fail + length + 1) == count;
}

vr14drt::TiffFile* OpenFile(const SpoolHeader* header, int* slot = nullptr) {
  if (!header || header->WriterState != kWriterStateOpen) return nullptr;
  long long handle = header->WriterHandle;
  if (handle < 1 || handle > kSlots) return nullptr;
  if (slot) *slot = static_cast<int>(handle - 1);
  return g_files[handle - 1];
}

std::string Narrow(const wchar_t* text) {
  char out[1024] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out - 1, nullptr, nullptr);
  return out;
}

int CopyOut(const std::wstring& text, wchar_t* buffer, std::uint32_t chars) {
  if (!buffer || chars == 0) return 0;
  std::size_t length = text.size() < chars ? text.size() : chars - 1;
  std::memcpy(buffer, text.data(), length * sizeof(wchar_t));
  buffer[length] = 0;
  return static_cast<int>(length);
}

}  // namespace

VR14DRT_API int tiffCreateFile(SpoolHeader* header, const wchar_t* path) {
  CallLog log;
  if (!header || !path || FailureAsked("create", 1)) {
    log.Line("tiffCreateFile %s -> 0", path ? Narrow(path).c_str() : "(none)");
    return 0;
  }
  int slot = 0;
  while (slot < kSlots && g_files[slot]) ++slot;
  std::FILE* file = slot < kSlots ? _wfopen(path, L"w+b") : nullptr;
  if (!file) {
    log.Line("tiffCreateFile %s -> 0", Narrow(path).c_str());
    return 0;
  }
  g_files[slot] = new vr14drt::TiffFile(file);
  header->WriterHandle = slot + 1;
  header->WriterState = kWriterStateOpen;
  wchar_t requested[521] = {};
  std::memcpy(requested, header->OutputPath, sizeof header->OutputPath);
  log.Line("tiffCreateFile %s -> 1 header-output-path=%s", Narrow(path).c_str(), Narrow(requested).c_str());
  return 1;
}

VR14DRT_API int tiffAppendPage(SpoolHeader* header, const std::uint8_t* bits, std::uint32_t byteCount,
                               std::uint32_t compression, std::uint32_t bitsPerPixel, std::uint32_t) {
  CallLog log;
  vr14drt::TiffFile* file = OpenFile(header);
  int result = 0;
  if (file && bits && header->Width > 0 && header->Height > 0 &&
      !FailureAsked("append", static_cast<int>(file->Pages()) + 1)) {
    const auto width = static_cast<std::uint32_t>(header->Width);
    const auto height = static_cast<std::uint32_t>(header->Height);
    vr14drt::TiffPage page = {width, height, static_cast<std::uint16_t>(bitsPerPixel),
                              static_cast<std::uint16_t>(compression), header->XResolution,
                              header->YResolution};
    std::vector<std::uint8_t> strip;
    if (bitsPerPixel == 1 && compression == 32773) {
      std::uint64_t rowBytes = (width + 7) / 8;
      if (rowBytes * height <= byteCount) {
        for (std::uint32_t row = 0; row < height; ++row)
          vr14drt::PackBitsRow(bits + row * rowBytes, rowBytes, strip);
        result = 1;
      }
    } else if (bitsPerPixel == 24 && compression == 7) {
      vr14drt::JpegImage jpeg;
      if (3ull * width * height <= byteCount &&
          vr14drt::EncodeJpeg(bits, width, height, header->Quality ? header->Quality : 75, jpeg)) {
        strip = std::move(jpeg.stream);
        page.ycbcrH = jpeg.subsamplingH;
        page.ycbcrV = jpeg.subsamplingV;
        result = 1;
      }
    }
    if (result) {
      page.strip = &strip;
      result = file->AddPage(page) ? 1 : 0;
    }
  }
  log.Line("tiffAppendPage page=%d %dx%d bpp=%u compression=%u bytes=%u res=%ux%u -> %d",
           header ? header->PageCount : 0, header ? header->Width : 0, header ? header->Height : 0,
           bitsPerPixel, compression, byteCount, header ? header->XResolution : 0,
           header ? header->YResolution : 0, result);
  return result;
}

VR14DRT_API int tiffCompleteFile(SpoolHeader* header) {
  CallLog log;
  int slot = 0;
  vr14drt::TiffFile* file = OpenFile(header, &slot);
  if (!file) {
    log.Line("tiffCompleteFile -> 0 (no open file)");
    return 0;
  }
  unsigned pages = file->Pages();
  int result = file->Complete() ? 1 : 0;
  delete file;
  g_files[slot] = nullptr;
  header->WriterHandle = -1;
  header->WriterState = 0;
  log.Line("tiffCompleteFile pages=%u -> %d", pages, result);
  return result;
}

VR14DRT_API int dibOutputFile(SpoolHeader* header, const std::uint8_t* bits, std::uint32_t byteCount,
                              std::uint32_t compression) {
  CallLog log;
  int result = 0;
  ++g_dibCalls;
  if (header && bits && header->Width > 0 && header->Height > 0 && !FailureAsked("dib", g_dibCalls)) {
    const auto width = static_cast<std::uint32_t>(header->Width);
    const auto height = static_cast<std::uint32_t>(header->Height);
    std::uint32_t bpp = compression == 7 ? 24 : 1;
    std::uint64_t rowBytes = bpp == 1 ? (width + 7) / 8 : 3ull * width;
    wchar_t folder[520] = {};
    VRWENV_GetSysPath_DATA_TXPATH(folder, sizeof folder);
    wchar_t name[32];
    swprintf(name, 32, L"\\DIBPAGE%04d.BMP", header->PageCount);
    if (rowBytes * height <= byteCount && folder[0])
      result = vr14drt::WriteDibFile(std::wstring(folder) + name, bits, width, height, bpp,
                                     static_cast<std::uint16_t>(header->DevMode.dmPrintQuality),
                                     static_cast<std::uint16_t>(header->DevMode.dmYResolution))
                   ? 1 : 0;
  }
  log.Line("dibOutputFile page=%d %dx%d compression=%u bytes=%u -> %d", header ? header->PageCount : 0,
           header ? header->Width : 0, header ? header->Height : 0, compression, byteCount, result);
  return result;
}

VR14DRT_API int VRWENV_GetCtrlFolderFile(wchar_t* buffer) {
  if (!buffer) return 0;
  std::wstring name(buffer, wcsnlen(buffer, 256));
  return CopyOut(vr14drt::CtrlFolder() + L"\\" + name, buffer, 256);
}

VR14DRT_API int VRWENV_GetVelorixFolder(wchar_t* buffer, std::uint32_t size) {
  return CopyOut(vr14drt::ProductFolder(), buffer, size / sizeof(wchar_t));
}

VR14DRT_API int VRWENV_GetSysPath_DATA_TXPATH(wchar_t* buffer, std::uint32_t size) {
  std::wstring data = vr14drt::DataFolder();
  std::wstring folder = data.empty() ? std::wstring() : data + L"\\TXDATA";
  if (!folder.empty()) vr14drt::MakeFolderTree(folder);
  return CopyOut(folder, buffer, size / sizeof(wchar_t));
}
