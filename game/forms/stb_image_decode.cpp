// stb_image, compiled here with static linkage so that no other library's copy can clash.
#include "game/forms/stb_image_decode.h"

#include <climits>
#include <vector>

// stb_image's read callbacks are set only for file input; with optimisation gcc cannot see
// that memory input never reaches them and warns about the unused fields.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_NO_STDIO
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#include <stb_image.h>

namespace forms {

std::optional<Picture> DecodeWithStb(const unsigned char* bytes, std::size_t size) {
  if (size == 0 || size > INT_MAX) return std::nullopt;
  int width = 0, height = 0, channels = 0;
  unsigned char* rgba =
      stbi_load_from_memory(bytes, static_cast<int>(size), &width, &height, &channels, 4);
  if (rgba == nullptr) return std::nullopt;
  std::vector<std::uint32_t> argb(static_cast<std::size_t>(width) * height);
  for (std::size_t i = 0; i < argb.size(); ++i) {
    const unsigned char* p = rgba + i * 4;
    argb[i] = (static_cast<std::uint32_t>(p[3]) << 24) | (p[0] << 16) | (p[1] << 8) | p[2];
  }
  stbi_image_free(rgba);
  return Picture(width, height, std::move(argb));
}

}  // namespace forms
