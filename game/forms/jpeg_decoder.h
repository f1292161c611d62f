// The one JPEG decoder of each platform: JPEG data to 0xAARRGGBB pixels, sizes checked first.
#pragma once

#include <cstddef>
#include <optional>

#include "game/forms/picture.h"

namespace forms {

// nullopt when the data is no JPEG, is damaged anywhere (a warning of the decoder counts), or
// declares a size beyond SanePictureSize: that is refused before any pixel memory is taken.
// A picture to be shown smaller is decoded at the reduced scale nearest above min_width x
// min_height (ReducedScaleEighths), so no more pixels are made than are shown; 0 x 0 decodes it
// whole. The decoder reads every byte at any scale, so damage is found at any scale.
std::optional<Picture> DecodeJpeg(const unsigned char* bytes, std::size_t size, int min_width = 0,
                                  int min_height = 0);

}  // namespace forms
