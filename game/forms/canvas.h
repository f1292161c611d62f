// A window's software frame buffer: 32-bit 0x00RRGGBB pixels and the rectangles that changed.
#pragma once

#include <cstdint>
#include <vector>

#include "game/forms/platform.h"

namespace forms {

using Color = std::uint32_t;  // 0x00RRGGBB
constexpr Color Rgb(int r, int g, int b) {
  return (static_cast<Color>(r & 255) << 16) | (static_cast<Color>(g & 255) << 8) |
         static_cast<Color>(b & 255);
}

class Canvas {
 public:
  Canvas(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  const std::uint32_t* Pixels() const { return pixels_.data(); }  // stride == Width()
  std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  Color At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  void Resize(int width, int height);

 private:
  int width_, height_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace forms
