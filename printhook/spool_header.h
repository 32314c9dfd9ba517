// The spool header record "DDRV" (3848 bytes) written by the fax driver's rendering side,
// and the row layouts of the page images that follow it. Plain data: no platform types,
// so the record can be built and checked natively as well as in the DLL.
#pragma once

#include <cstddef>
#include <cstdint>

namespace printhook {

constexpr std::uint32_t kSpoolHeaderSize = 3848;
constexpr char kSpoolHeaderTag[4] = {'D', 'D', 'R', 'V'};

constexpr std::int16_t kOrientLandscape = 2;  // DMORIENT_LANDSCAPE
constexpr std::int16_t kColorColor = 2;       // DMCOLOR_COLOR

// The public part of the platform's DEVMODEW record (220 bytes), field for field.
struct DevModePublic {
  char16_t dmDeviceName[32];
  std::uint16_t dmSpecVersion;
  std::uint16_t dmDriverVersion;
  std::uint16_t dmSize;
  std::uint16_t dmDriverExtra;
  std::uint32_t dmFields;
  std::int16_t dmOrientation;
  std::int16_t dmPaperSize;
  std::int16_t dmPaperLength;
  std::int16_t dmPaperWidth;
  std::int16_t dmScale;
  std::int16_t dmCopies;
  std::int16_t dmDefaultSource;
  std::int16_t dmPrintQuality;
  std::int16_t dmColor;
  std::int16_t dmDuplex;
  std::int16_t dmYResolution;
  std::int16_t dmTTOption;
  std::int16_t dmCollate;
  char16_t dmFormName[32];
  std::uint16_t dmLogPixels;
  std::uint32_t dmBitsPerPel;
  std::uint32_t dmPelsWidth;
  std::uint32_t dmPelsHeight;
  std::uint32_t dmDisplayFlags;
  std::uint32_t dmDisplayFrequency;
  std::uint32_t dmICMMethod;
  std::uint32_t dmICMIntent;
  std::uint32_t dmMediaType;
  std::uint32_t dmDitherType;
  std::uint32_t dmReserved1;
  std::uint32_t dmReserved2;
  std::uint32_t dmPanningWidth;
  std::uint32_t dmPanningHeight;
};
static_assert(sizeof(DevModePublic) == 220, "DEVMODEW public part is 220 bytes");

// Areas marked reserved are filled by the rendering side and read by the writer; the hook
// copies them and never looks at them.
struct SpoolHeader {
  char Tag[4];                    // "DDRV"
  std::uint8_t reserved4[4];
  std::int64_t WriterHandle;      // the writer's own; -1 at the first header of a job
  std::uint32_t WriterState;      // the writer's own
  std::uint8_t reserved20[4];
  std::int32_t Width;             // pixels per row of the page images that follow
  std::int32_t Height;            // rows of the page images that follow
  std::int32_t PageCount;         // pages started, for the writer
  std::uint16_t XResolution;      // set before each TIFF page
  std::uint16_t YResolution;
  std::uint16_t Quality;          // 50 or 75
  std::uint8_t reserved42[2];
  DevModePublic DevMode;
  std::uint8_t reserved264[120];  // driver settings the hook does not read
  std::int16_t QualitySelector;   // 1 selects Quality 50, anything else 75
  std::uint8_t reserved386[194];
  std::uint32_t ToFile;           // non-zero: written to a file instead of faxed
  std::uint8_t reserved584[12];
  char16_t DocumentName[520];
  char16_t DeviceName[32];
  char16_t PortName[32];
  char16_t OutputPath[520];
  char16_t reserved2804[520];
  std::uint8_t reserved3844[4];
};

static_assert(sizeof(SpoolHeader) == kSpoolHeaderSize, "spool header is 3848 bytes");
static_assert(offsetof(SpoolHeader, WriterHandle) == 8);
static_assert(offsetof(SpoolHeader, WriterState) == 16);
static_assert(offsetof(SpoolHeader, Width) == 24);
static_assert(offsetof(SpoolHeader, Height) == 28);
static_assert(offsetof(SpoolHeader, PageCount) == 32);
static_assert(offsetof(SpoolHeader, XResolution) == 36);
static_assert(offsetof(SpoolHeader, YResolution) == 38);
static_assert(offsetof(SpoolHeader, Quality) == 40);
static_assert(offsetof(SpoolHeader, DevMode) == 44);
static_assert(offsetof(SpoolHeader, DevMode) + offsetof(DevModePublic, dmOrientation) == 120);
static_assert(offsetof(SpoolHeader, DevMode) + offsetof(DevModePublic, dmPaperSize) == 122);
static_assert(offsetof(SpoolHeader, DevMode) + offsetof(DevModePublic, dmPrintQuality) == 134);
static_assert(offsetof(SpoolHeader, DevMode) + offsetof(DevModePublic, dmColor) == 136);
static_assert(offsetof(SpoolHeader, DevMode) + offsetof(DevModePublic, dmYResolution) == 140);
static_assert(offsetof(SpoolHeader, QualitySelector) == 384);
static_assert(offsetof(SpoolHeader, ToFile) == 580);
static_assert(offsetof(SpoolHeader, DocumentName) == 596);
static_assert(offsetof(SpoolHeader, DeviceName) == 1636);
static_assert(offsetof(SpoolHeader, PortName) == 1700);
static_assert(offsetof(SpoolHeader, OutputPath) == 1764);
static_assert(offsetof(SpoolHeader, reserved2804) == 2804);

// Row strides of page images from the rendering side (rows padded to 4 bytes). Widths are
// taken as unsigned; callers refuse non-positive widths before asking.
constexpr std::uint64_t MonoStride(std::uint64_t width) { return 4 * ((width + 31) / 32); }
constexpr std::uint64_t ColorStride(std::uint64_t width) { return 4 * ((3 * width + 3) / 4); }

static_assert(MonoStride(1700) == 216);
static_assert(ColorStride(1700) == 5100);

}  // namespace printhook
