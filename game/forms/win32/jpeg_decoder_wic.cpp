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

}  // namespace

std::optional<Picture> DecodeJpeg(const unsigned char* bytes, std::size_t size) {
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
  ComRef<IWICFormatConverter> converter;
  UINT width = 0, height = 0;
  if (FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes), static_cast<DWORD>(size))) ||
      FAILED(factory->CreateDecoder(GUID_ContainerFormatJpeg, nullptr, &decoder)) ||
      FAILED(decoder->Initialize(stream.p, WICDecodeMetadataCacheOnDemand)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&width, &height)) ||
      !SanePictureSize(width, height)) {
    return std::nullopt;
  }
  if (FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom))) {
    return std::nullopt;
  }
  // In memory B, G, R, A: one 0xAARRGGBB word per pixel.
  std::vector<std::uint32_t> argb(static_cast<std::size_t>(width) * height);
  if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(argb.size() * 4),
                                   reinterpret_cast<BYTE*>(argb.data())))) {
    return std::nullopt;
  }
  return Picture(static_cast<int>(width), static_cast<int>(height), std::move(argb));
}

}  // namespace forms
