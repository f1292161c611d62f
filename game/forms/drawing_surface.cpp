// A picture box's drawing in palette form, and its turn to full colour.
#include "game/forms/drawing_surface.h"

#include <algorithm>

namespace forms {

DrawingSurface::DrawingSurface(int width, int height, Color background)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      palette_{background & 0xFFFFFF},
      indices_(static_cast<std::size_t>(width_) * height_, 0) {}

Color DrawingSurface::At(int x, int y) const {
  return full_.empty() ? palette_[indices_[Index(x, y)]] : full_[Index(x, y)];
}

int DrawingSurface::PaletteIndex(Color color) {
  if (palette_[last_index_] == color) return last_index_;
  const auto found = std::find(palette_.begin(), palette_.end(), color);
  if (found != palette_.end()) return last_index_ = static_cast<int>(found - palette_.begin());
  if (palette_.size() == 256) return -1;
  palette_.push_back(color);
  return last_index_ = static_cast<int>(palette_.size() - 1);
}

void DrawingSurface::TurnToFullColour() {
  full_.resize(indices_.size());
  std::transform(indices_.begin(), indices_.end(), full_.begin(),
                 [this](std::uint8_t index) { return palette_[index]; });
  indices_ = {};
}

void DrawingSurface::FillSpan(int y, int x0, int x1, Color color) {
  color &= 0xFFFFFF;
  if (full_.empty()) {
    const int index = PaletteIndex(color);
    if (index >= 0) {
      std::fill(indices_.begin() + Index(x0, y), indices_.begin() + Index(x1, y),
                static_cast<std::uint8_t>(index));
      return;
    }
    TurnToFullColour();
  }
  std::fill(full_.begin() + Index(x0, y), full_.begin() + Index(x1, y), color);
}

void DrawingSurface::CopyTo(Canvas& canvas, int x, int y, const PixelRect& clip) const {
  const PixelRect r = Intersect(Intersect({x, y, width_, height_}, clip), canvas.Bounds());
  for (int row = r.y; row < r.y + r.h; ++row) {
    std::uint32_t* out = canvas.Row(row) + r.x;
    const std::size_t from = Index(r.x - x, row - y);
    if (full_.empty()) {
      for (int i = 0; i < r.w; ++i) out[i] = palette_[indices_[from + i]];
    } else {
      std::copy_n(full_.begin() + static_cast<std::ptrdiff_t>(from), r.w, out);
    }
  }
}

void DrawingSurface::CopyFrom(const DrawingSurface& other) {
  const int w = std::min(width_, other.width_), h = std::min(height_, other.height_);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) FillSpan(y, x, x + 1, other.At(x, y));
  }
}

}  // namespace forms
