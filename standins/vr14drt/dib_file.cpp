#include "standins/vr14drt/dib_file.h"

#include <windows.h>

#include <vector>

namespace vr14drt {

bool WriteDibFile(const std::wstring& path, const std::uint8_t* bits, std::uint32_t width,
                  std::uint32_t height, std::uint32_t bitsPerPixel, std::uint32_t xDpi,
                  std::uint32_t yDpi) {
  const std::uint32_t rowBytes = bitsPerPixel == 1 ? (width + 7) / 8 : 3 * width;
  const std::uint32_t stride = (rowBytes + 3) & ~3u;
  const std::uint32_t paletteBytes = bitsPerPixel == 1 ? 8 : 0;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = static_cast<LONG>(width);
  info.biHeight = static_cast<LONG>(height);  // bottom-up
  info.biPlanes = 1;
  info.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.biSizeImage = stride * height;
  info.biXPelsPerMeter = static_cast<LONG>(xDpi * 10000 / 254);
  info.biYPelsPerMeter = static_cast<LONG>(yDpi * 10000 / 254);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info + paletteBytes;
  file.bfSize = file.bfOffBits + info.biSizeImage;

  std::vector<std::uint8_t> out(file.bfSize, 0);
  std::uint8_t* at = out.data();
  memcpy(at, &file, sizeof file);
  memcpy(at + sizeof file, &info, sizeof info);
  if (paletteBytes) {
    const std::uint8_t palette[8] = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0};  // bit 1 is white
    memcpy(at + sizeof file + sizeof info, palette, 8);
  }
  for (std::uint32_t row = 0; row < height; ++row)
    memcpy(at + file.bfOffBits + (height - 1 - row) * stride, bits + row * rowBytes, rowBytes);

  HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(handle, out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
  CloseHandle(handle);
  return ok && written == out.size();
}

}  // namespace vr14drt
