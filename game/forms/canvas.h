// A software frame buffer: 32-bit 0x00RRGGBB pixels, its own or a window's.
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

// Colours with the top bit set name a system colour (0x8000000F: button face); this gives the
// plain colour to draw with.
Color ResolveColor(Color color);

// Mixes src over dst with an alpha of 0..255.
inline std::uint32_t BlendPixel(std::uint32_t dst, std::uint32_t src, std::uint32_t alpha) {
  const std::uint32_t inv = 255 - alpha;
  const std::uint32_t rb = ((src & 0xFF00FF) * alpha + (dst & 0xFF00FF) * inv + 0x800080) >> 8;
  const std::uint32_t g = ((src & 0x00FF00) * alpha + (dst & 0x00FF00) * inv + 0x008000) >> 8;
  return (rb & 0xFF00FF) | (g & 0x00FF00);
}

class Canvas {
 public:
  Canvas(int width, int height);  // its own pixels, black
  // Draws into width x height pixels that someone else owns and keeps alive (a window's own
  // frame buffer), rows one after the other.
  Canvas(std::uint32_t* pixels, int width, int height);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  PixelRect Bounds() const { return {0, 0, width_, height_}; }
  const std::uint32_t* Pixels() const { return data_; }  // stride == Width()
  std::uint32_t* Row(int y) { return data_ + static_cast<std::size_t>(y) * width_; }
  const std::uint32_t* Row(int y) const { return data_ + static_cast<std::size_t>(y) * width_; }
  Color At(int x, int y) const { return data_[static_cast<std::size_t>(y) * width_ + x]; }

  // Fills rect, clipped to the canvas and to clip.
  void Fill(const PixelRect& rect, const PixelRect& clip, Color color);
  // Copies a width x height block of 0x00RRGGBB pixels with its top-left corner at (x, y).
  void Copy(const std::uint32_t* src, int src_stride, int x, int y, int width, int height,
            const PixelRect& clip);

 private:
  int width_, height_;
  std::vector<std::uint32_t> own_;  // empty for a view of someone else's pixels
  std::uint32_t* data_;
};

}  // namespace forms
