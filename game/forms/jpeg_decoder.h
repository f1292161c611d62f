// The one JPEG decoder of each platform: JPEG data to 0xAARRGGBB pixels, sizes checked first.
#pragma once

#include <cstddef>
#include <optional>

#include "game/forms/picture.h"

namespace forms {

// nullopt when the data is no JPEG, is damaged anywhere (a warning of the decoder counts), or
// declares a size beyond SanePictureSize: that is refused before any pixel memory is taken.
std::optional<Picture> DecodeJpeg(const unsigned char* bytes, std::size_t size);

}  // namespace forms
