// The largest picture the runtime decodes: a file declaring more is refused before decoding.
#pragma once

#include <cstdint>

namespace forms {

// 16 megapixels (64 MB of 32-bit pixels): the largest generated picture is well under one.
constexpr std::int64_t kMaxPicturePixels = 16 * 1024 * 1024;
constexpr std::int64_t kMaxPictureSide = 16384;  // pixels, either way
constexpr int kMaxIconSide = 1024;               // pixels; cursors are 32 to 256

inline bool SanePictureSize(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

}  // namespace forms
