// stb_image_resize, compiled here with static linkage, behind ScalePicture.
#include "game/forms/picture_scaler.h"

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#define STB_IMAGE_RESIZE_STATIC
#include <stb_image_resize.h>

namespace forms {

namespace {

std::vector<std::uint32_t> Resample(const Picture& picture, int width, int height) {
  if (width == picture.Width() && height == picture.Height()) return picture.Pixels();
  std::vector<std::uint32_t> out(static_cast<std::size_t>(width) * height);
  // In memory each 0xAARRGGBB pixel is the bytes B, G, R, A: the alpha is channel 3.
  const int alpha = picture.Opaque() ? STBIR_ALPHA_CHANNEL_NONE : 3;
  stbir_resize_uint8_generic(
      reinterpret_cast<const unsigned char*>(picture.Pixels().data()), picture.Width(),
      picture.Height(), 0, reinterpret_cast<unsigned char*>(out.data()), width, height, 0, 4, alpha,
      0, STBIR_EDGE_CLAMP, STBIR_FILTER_DEFAULT, STBIR_COLORSPACE_LINEAR, nullptr);
  return out;
}

}  // namespace

std::vector<std::uint32_t> ScalePicture(const Picture& picture, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  // A JPEG is decoded at the reduced scale nearest above the size: the resampling then has
  // little left to do.
  if (const std::optional<Picture> decoded = picture.DecodedFor(width, height)) {
    return Resample(*decoded, width, height);
  }
  return Resample(picture, width, height);
}

}  // namespace forms
