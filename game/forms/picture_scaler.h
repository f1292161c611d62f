// Good-quality picture scaling (filtered, alpha-aware) for stretched image controls.
#pragma once

#include <cstdint>
#include <vector>

#include "game/forms/picture.h"

namespace forms {

// The picture resampled to width x height pixels, 0xAARRGGBB; alpha is kept.
std::vector<std::uint32_t> ScalePicture(const Picture& picture, int width, int height);

}  // namespace forms
