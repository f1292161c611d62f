// Canvas storage, rectangle arithmetic and the two basic drawing operations.
#include "game/forms/canvas.h"

#include <algorithm>
#include <cstring>

namespace forms {

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
  const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  const int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
  if (x1 <= x0 || y1 <= y0) return {x0, y0, 0, 0};
  return {x0, y0, x1 - x0, y1 - y0};
}

PixelRect Union(const PixelRect& a, const PixelRect& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
  const int x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
  return {x0, y0, x1 - x0, y1 - y0};
}

Color ResolveColor(Color color) {
  if ((color & 0x80000000u) == 0) return color & 0xFFFFFF;
  switch (color & 0xFF) {
    case 0x05:
      return 0xFFFFFF;  // window background
    case 0x08:
      return 0x000000;  // window text
    case 0x12:
      return 0x000000;  // button text
    default:
      return 0xC0C0C0;  // button face and the other 3D colours
  }
}

Canvas::Canvas(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      own_(static_cast<std::size_t>(width_) * height_, 0),
      data_(own_.data()) {}

Canvas::Canvas(std::uint32_t* pixels, int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), data_(pixels) {}

void Canvas::Fill(const PixelRect& rect, const PixelRect& clip, Color color) {
  const PixelRect r = Intersect(Intersect(rect, clip), Bounds());
  if (r.Empty()) return;
  for (int y = r.y; y < r.y + r.h; ++y) std::fill_n(Row(y) + r.x, r.w, color);
}

void Canvas::Copy(const std::uint32_t* src, int src_stride, int x, int y, int width, int height,
                  const PixelRect& clip) {
  const PixelRect r = Intersect(Intersect({x, y, width, height}, clip), Bounds());
  if (r.Empty()) return;
  for (int row = r.y; row < r.y + r.h; ++row) {
    const std::uint32_t* from = src + static_cast<std::size_t>(row - y) * src_stride + (r.x - x);
    std::memcpy(Row(row) + r.x, from, static_cast<std::size_t>(r.w) * sizeof(std::uint32_t));
  }
}

}  // namespace forms
