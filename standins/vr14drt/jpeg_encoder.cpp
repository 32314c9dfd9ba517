#include "standins/vr14drt/jpeg_encoder.h"

#include <windows.h>
#include <ole2.h>
#include <wincodec.h>

#include <cstring>

namespace vr14drt {
namespace {

template <class T>
struct Com {
  T* p = nullptr;
  ~Com() {
    if (p) p->Release();
  }
  T** operator&() { return &p; }
  T* operator->() { return p; }
};

// The chroma subsampling that the encoder chose, from the frame header's sampling factors.
void ReadSubsampling(JpegImage& image) {
  const auto& s = image.stream;
  for (std::size_t i = 2; i + 4 < s.size();) {
    if (s[i] != 0xFF) return;
    std::uint8_t marker = s[i + 1];
    std::size_t length = (s[i + 2] << 8) | s[i + 3];
    if (marker >= 0xC0 && marker <= 0xC2 && i + 2 + length <= s.size() && length >= 17) {
      std::uint8_t luma = s[i + 11], chroma = s[i + 14];
      int ch = chroma >> 4 ? chroma >> 4 : 1, cv = chroma & 15 ? chroma & 15 : 1;
      image.subsamplingH = static_cast<std::uint16_t>((luma >> 4) / ch);
      image.subsamplingV = static_cast<std::uint16_t>((luma & 15) / cv);
      return;
    }
    i += 2 + length;
  }
}

bool Encode(const std::uint8_t* bgr, std::uint32_t width, std::uint32_t height, int quality,
            JpegImage& image) {
  Com<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))))
    return false;
  Com<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return false;
  Com<IWICBitmapEncoder> encoder;
  if (FAILED(factory->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, &encoder))) return false;
  if (FAILED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache))) return false;
  Com<IWICBitmapFrameEncode> frame;
  Com<IPropertyBag2> options;
  if (FAILED(encoder->CreateNewFrame(&frame, &options))) return false;
  if (options.p) {
    PROPBAG2 option = {};
    option.pstrName = const_cast<LPOLESTR>(L"ImageQuality");
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_R4;
    value.fltVal = quality / 100.0f;
    options->Write(1, &option, &value);  // an encoder without the option keeps its default
  }
  if (FAILED(frame->Initialize(options.p))) return false;
  if (FAILED(frame->SetSize(width, height))) return false;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(frame->SetPixelFormat(&format)) || !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR))
    return false;
  UINT stride = 3 * width;
  if (FAILED(frame->WritePixels(height, stride, stride * height, const_cast<BYTE*>(bgr))))
    return false;
  if (FAILED(frame->Commit()) || FAILED(encoder->Commit())) return false;

  HGLOBAL memory = nullptr;
  if (FAILED(GetHGlobalFromStream(stream.p, &memory))) return false;
  STATSTG stat = {};
  if (FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return false;
  const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(memory));
  if (!bytes) return false;
  image.stream.assign(bytes, bytes + stat.cbSize.QuadPart);
  GlobalUnlock(memory);
  ReadSubsampling(image);
  return image.stream.size() > 4;
}

}  // namespace

bool EncodeJpeg(const std::uint8_t* bgr, std::uint32_t width, std::uint32_t height, int quality,
                JpegImage& image) {
  HRESULT init = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  bool done = Encode(bgr, width, height, quality, image);
  if (SUCCEEDED(init)) CoUninitialize();
  return done;
}

}  // namespace vr14drt
