// The one place that includes stb_image: compressed pictures (JPEG, PNG) to 0xAARRGGBB pixels.
#pragma once

#include <cstddef>
#include <optional>

#include "game/forms/picture.h"

namespace forms {

std::optional<Picture> DecodeWithStb(const unsigned char* bytes, std::size_t size);

}  // namespace forms
