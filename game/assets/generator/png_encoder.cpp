// PNG encoding through stb_image_write (its implementation lives in the JPEG encoder's file).
#include <stdexcept>

#include "encoders.h"

#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace assetgen {

Bytes EncodePng(const Image& image) {
  Bytes out;
  const std::vector<std::uint8_t> rgba = image.ToRgba();
  const auto append = [](void* context, void* data, int size) {
    auto* bytes = static_cast<const std::uint8_t*>(data);
    static_cast<Bytes*>(context)->insert(static_cast<Bytes*>(context)->end(), bytes, bytes + size);
  };
  if (!stbi_write_png_to_func(append, &out, image.Width(), image.Height(), 4, rgba.data(),
                              image.Width() * 4)) {
    throw std::runtime_error("PNG encoding failed");
  }
  return out;
}

}  // namespace assetgen
