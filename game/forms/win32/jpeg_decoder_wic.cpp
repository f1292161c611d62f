// JPEG decoding through the Windows Imaging Component, the system's own hardened decoder.
#include <cstdint>
#include <vector>

#include "game/forms/jpeg_decoder.h"
#include "game/forms/jpeg_header.h"
#include "game/forms/picture_limits.h"
#include "game/forms/win32/win32_api.h"

#include <wincodec.h>

namespace forms {
namespace {

// Releases a COM interface when it leaves scope.
template <class T>
struct ComRef {
  T* p = nullptr;
  ~ComRef() {
    if (p != nullptr) p->Release();
  }
  T** operator&() { return &p; }
  T* operator->() const { return p; }
};

IWICImagingFactory* Factory() {
  static IWICImagingFactory* factory = [] {
    // The game runs on one thread; S_FALSE and RPC_E_CHANGED_MODE both leave COM usable.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* made = nullptr;
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                     reinterpret_cast<void**>(&made));
    return made;
  }();
  return factory;
}

// The whole frame as 0xAARRGGBB pixels (in memory B, G, R, A).
bool CopyWhole(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, UINT width, UINT height,
               std::vector<std::uint32_t>& argb) {
  ComRef<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom))) {
    return false;
  }
  argb.resize(static_cast<std::size_t>(width) * height);
  return SUCCEEDED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(argb.size() * 4),
                                         reinterpret_cast<BYTE*>(argb.data())));
}

// The frame decoded by the decoder itself at a smaller size (the JPEG decoder's DCT scaling)
// when it offers one that still covers the size shown; false leaves the whole decode to do.
bool CopyReduced(IWICBitmapFrameDecode* frame, UINT wanted_width, UINT wanted_height,
                 std::vector<std::uint32_t>& argb, UINT& width, UINT& height) {
  ComRef<IWICBitmapSourceTransform> transform;
  if (FAILED(frame->QueryInterface(IID_IWICBitmapSourceTransform,
                                   reinterpret_cast<void**>(&transform)))) {
    return false;
  }
  UINT w = wanted_width, h = wanted_height;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(transform->GetClosestSize(&w, &h)) || w < wanted_width || h < wanted_height ||
      w >= width || FAILED(transform->GetClosestPixelFormat(&format)) ||
      format != GUID_WICPixelFormat24bppBGR) {
    return false;
  }
  const UINT stride = (w * 3 + 3) & ~3u;
  std::vector<BYTE> bgr(static_cast<std::size_t>(stride) * h);
  if (FAILED(transform->CopyPixels(nullptr, w, h, &format, WICBitmapTransformRotate0, stride,
                                   static_cast<UINT>(bgr.size()), bgr.data()))) {
    return false;
  }
  argb.resize(static_cast<std::size_t>(w) * h);
  for (UINT y = 0; y < h; ++y) {
    const BYTE* in = bgr.data() + static_cast<std::size_t>(y) * stride;
    for (UINT x = 0; x < w; ++x, in += 3) {
      argb[static_cast<std::size_t>(y) * w + x] =
          0xFF000000u | (in[2] << 16) | (in[1] << 8) | in[0];
    }
  }
  width = w;
  height = h;
  return true;
}

}  // namespace

std::optional<Picture> DecodeJpeg(const unsigned char* bytes, std::size_t size, int min_width,
                                  int min_height) {
  // Some WIC decoders (Wine's among them) decode the whole picture as they open it: the size
  // must be checked before.
  const std::optional<DeclaredSize> declared = JpegDeclaredSize(bytes, size);
  if (!declared || !SanePictureSize(declared->width, declared->height) || size > 0x7FFFFFFF) {
    return std::nullopt;
  }
  IWICImagingFactory* factory = Factory();
  if (factory == nullptr) return std::nullopt;
  ComRef<IWICStream> stream;
  ComRef<IWICBitmapDecoder> decoder;
  ComRef<IWICBitmapFrameDecode> frame;
  UINT width = 0, height = 0;
  if (FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes), static_cast<DWORD>(size))) ||
      FAILED(factory->CreateDecoder(GUID_ContainerFormatJpeg, nullptr, &decoder)) ||
      FAILED(decoder->Initialize(stream.p, WICDecodeMetadataCacheOnDemand)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&width, &height)) ||
      !SanePictureSize(width, height)) {
    return std::nullopt;
  }
  std::vector<std::uint32_t> argb;
  const bool reduced = min_width > 0 && min_height > 0 &&
                       CopyReduced(frame.p, static_cast<UINT>(min_width),
                                   static_cast<UINT>(min_height), argb, width, height);
  if (!reduced && !CopyWhole(factory, frame.p, width, height, argb)) return std::nullopt;
  return Picture(static_cast<int>(width), static_cast<int>(height), std::move(argb));
}

}  // namespace forms
