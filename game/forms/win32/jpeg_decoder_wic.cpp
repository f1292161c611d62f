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

// The source as 0xAARRGGBB pixels (in memory B, G, R, A), width x height of them.
bool CopyPixels(IWICImagingFactory* factory, IWICBitmapSource* source, UINT width, UINT height,
                std::vector<std::uint32_t>& argb) {
  ComRef<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(source, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom))) {
    return false;
  }
  argb.resize(static_cast<std::size_t>(width) * height);
  return SUCCEEDED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(argb.size() * 4),
                                         reinterpret_cast<BYTE*>(argb.data())));
}

// The frame at the reduced scale n/8 nearest above the size shown, through WIC's scaler, which
// lets the JPEG decoder scale while it decodes where it can.
bool CopyReduced(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, int min_width,
                 int min_height, UINT& width, UINT& height, std::vector<std::uint32_t>& argb) {
  const int eighths =
      ReducedScaleEighths(static_cast<int>(width), static_cast<int>(height), min_width, min_height);
  if (eighths == 8) return false;
  const UINT reduced_width = (width * eighths + 7) / 8, reduced_height = (height * eighths + 7) / 8;
  ComRef<IWICBitmapScaler> scaler;
  if (FAILED(factory->CreateBitmapScaler(&scaler)) ||
      FAILED(scaler->Initialize(frame, reduced_width, reduced_height,
                                WICBitmapInterpolationModeFant)) ||
      !CopyPixels(factory, scaler.p, reduced_width, reduced_height, argb)) {
    return false;
  }
  width = reduced_width;
  height = reduced_height;
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
                       CopyReduced(factory, frame.p, min_width, min_height, width, height, argb);
  if (!reduced && !CopyPixels(factory, frame.p, width, height, argb)) return std::nullopt;
  return Picture(static_cast<int>(width), static_cast<int>(height), std::move(argb));
}

}  // namespace forms
