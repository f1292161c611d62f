// The splash screen's logo: the toy block on white, built into the game.
#include "families.h"
#include "toy_block.h"

namespace assetgen {

// The logo control is 1695 x 1695 twips: 113 px at 15 twips per pixel.
constexpr int kLogoSize = 113;

Bytes SplashLogoJpeg(const Font& font) {
  Image image(kLogoSize, kLogoSize, Rgb(255, 255, 255));
  PaintToyBlock(image, 3, 3, kLogoSize - 6, font);
  return EncodeJpeg(image);
}

}  // namespace assetgen
