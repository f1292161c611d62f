// Decoding of Windows icon files: the largest image, with alpha or with its AND mask.
#pragma once

#include <cstddef>
#include <optional>

#include "game/forms/picture.h"

namespace forms {

bool LooksLikeIco(const unsigned char* bytes, std::size_t size);
// The icon's largest image; nullopt when the data is not a readable icon.
std::optional<Picture> DecodeIco(const unsigned char* bytes, std::size_t size);

}  // namespace forms
