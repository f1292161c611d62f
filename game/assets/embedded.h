// Pictures built into the game rather than read from its folder.
#pragma once

#include <span>

namespace assets {

// The splash screen's logo, a 113 x 113 JPEG.
std::span<const unsigned char> SplashLogoJpeg();

}  // namespace assets
