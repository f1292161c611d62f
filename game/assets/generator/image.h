// A floating-point RGBA picture that the generator paints on, and its 8-bit exports.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

// Straight (not premultiplied) colour, every channel 0..1.
struct Colour {
  float r = 0, g = 0, b = 0, a = 1;
};

Colour Rgb(int r, int g, int b, float a = 1.0f);
Colour WithAlpha(Colour c, float a);
Colour Mix(Colour from, Colour to, float t);
Colour Lighter(Colour c, float t);
Colour Darker(Colour c, float t);

enum class BlendMode { kOver, kAdd };

class Image {
 public:
  Image(int width, int height, Colour fill);
  int Width() const { return width_; }    // pixels
  int Height() const { return height_; }  // pixels
  const Colour& At(int x, int y) const { return pixels_[y * width_ + x]; }
  // Lays colour over the pixel with the given coverage (0..1).
  void Blend(int x, int y, Colour colour, float coverage, BlendMode mode = BlendMode::kOver);
  // 8-bit RGB rows, top first; transparent parts fall onto black.
  std::vector<std::uint8_t> ToRgb() const;
  // 8-bit straight RGBA rows, top first.
  std::vector<std::uint8_t> ToRgba() const;

 private:
  int width_, height_;
  std::vector<Colour> pixels_;
};

}  // namespace assetgen
