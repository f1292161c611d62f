// JPEG encoding through stb_image_write (quality above 90 keeps full-resolution colour).
#include <stdexcept>

#include "encoders.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace assetgen {

Bytes EncodeJpeg(const Image& image) {
  Bytes out;
  const std::vector<std::uint8_t> rgb = image.ToRgb();
  const auto append = [](void* context, void* data, int size) {
    auto* bytes = static_cast<const std::uint8_t*>(data);
    static_cast<Bytes*>(context)->insert(static_cast<Bytes*>(context)->end(), bytes, bytes + size);
  };
  if (!stbi_write_jpg_to_func(append, &out, image.Width(), image.Height(), 3, rgb.data(),
                              kJpegQuality)) {
    throw std::runtime_error("JPEG encoding failed");
  }
  return out;
}

}  // namespace assetgen
