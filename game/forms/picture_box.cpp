// The picture box: a surface of its own that keeps the round dots drawn on it.
#include <algorithm>
#include <cmath>

#include "game/forms/controls.h"
#include "game/forms/drawing_surface.h"
#include "game/forms/form.h"

namespace forms {

PictureBox::PictureBox(Form& form, std::string name, Container* parent)
    : Control(form, std::move(name), parent) {}

PictureBox::~PictureBox() = default;

void PictureBox::EnsureSurface() {
  const PixelRect box = BoundsPx();
  if (surface_ && surface_->Width() == box.w && surface_->Height() == box.h) return;
  auto fresh = std::make_unique<DrawingSurface>(box.w, box.h, ResolveColor(back_color_));
  if (surface_) fresh->CopyFrom(*surface_);  // a resize keeps the drawing's top-left part
  surface_ = std::move(fresh);
}

void PictureBox::SetBackColor(Color color) {
  back_color_ = color;
  surface_.reset();
  has_drawing_ = false;
  Invalidate();
}

void PictureBox::SetDrawWidth(int pixels) {
  draw_width_ = std::clamp(pixels, 1, 32767);
}

void PictureBox::PSet(float x, float y, Color color) {
  EnsureSurface();
  const int tpp = TwipsPerPixel();
  const int d = draw_width_;
  const int left = static_cast<int>(std::lround(x / tpp)) - d / 2;
  const int top = static_cast<int>(std::lround(y / tpp)) - d / 2;
  const PixelRect dot = Intersect({left, top, d, d}, surface_->Bounds());
  if (dot.Empty()) return;
  has_drawing_ = true;
  const double radius = d / 2.0;
  // Each row of the disc is one span: the columns whose centres lie within the radius.
  const auto inside = [&](int col, double dy) {
    const double dx = col - left + 0.5 - radius;
    return dx * dx + dy * dy <= radius * radius;
  };
  for (int row = dot.y; row < dot.y + dot.h; ++row) {
    const double dy = row - top + 0.5 - radius;
    int first = dot.x, last = dot.x + dot.w;
    while (first < last && !inside(first, dy)) ++first;
    while (last > first && !inside(last - 1, dy)) --last;
    if (first < last) surface_->FillSpan(row, first, last, color);
  }
  if (!Visible()) return;
  const PixelRect box = BoundsOnForm();
  Owner().Invalidate({box.x + dot.x, box.y + dot.y, dot.w, dot.h});
}

Color PictureBox::PixelAt(int x, int y) const {
  if (!surface_ || !surface_->Bounds().Contains(x, y)) return ResolveColor(back_color_);
  return surface_->At(x, y);
}

std::unique_ptr<Canvas> PictureBox::Snapshot() const {
  const PixelRect box = BoundsPx();
  auto canvas = std::make_unique<Canvas>(box.w, box.h);
  canvas->Fill(canvas->Bounds(), canvas->Bounds(), ResolveColor(back_color_));
  if (surface_) surface_->CopyTo(*canvas, 0, 0, canvas->Bounds());
  return canvas;
}

void PictureBox::Paint(Canvas& canvas, const PixelRect& clip) {
  EnsureSurface();
  const PixelRect box = BoundsOnForm();
  surface_->CopyTo(canvas, box.x, box.y, clip);
}

}  // namespace forms
