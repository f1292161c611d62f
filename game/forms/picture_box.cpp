// The picture box: a surface of its own that keeps the round dots drawn on it.
#include <algorithm>
#include <cmath>

#include "game/forms/controls.h"
#include "game/forms/form.h"

namespace forms {

PictureBox::PictureBox(Form& form, std::string name, Container* parent)
    : Control(form, std::move(name), parent) {}

PictureBox::~PictureBox() = default;

void PictureBox::EnsureSurface() {
  const PixelRect box = BoundsPx();
  if (surface_ && surface_->Width() == box.w && surface_->Height() == box.h) return;
  auto fresh = std::make_unique<Canvas>(box.w, box.h);
  fresh->Fill(fresh->Bounds(), fresh->Bounds(), ResolveColor(back_color_));
  if (surface_) {  // a resize keeps the drawing's top-left part
    const int w = std::min(box.w, surface_->Width()), h = std::min(box.h, surface_->Height());
    fresh->Copy(surface_->Pixels(), surface_->Width(), 0, 0, w, h, {0, 0, w, h});
  }
  surface_ = std::move(fresh);
}

void PictureBox::SetBackColor(Color color) {
  back_color_ = color;
  surface_.reset();
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
  const double radius = d / 2.0;
  for (int row = dot.y; row < dot.y + dot.h; ++row) {
    std::uint32_t* out = surface_->Row(row);
    const double dy = row - top + 0.5 - radius;
    for (int col = dot.x; col < dot.x + dot.w; ++col) {
      const double dx = col - left + 0.5 - radius;
      if (dx * dx + dy * dy <= radius * radius) out[col] = color & 0xFFFFFF;
    }
  }
  if (!Visible()) return;
  const PixelRect box = BoundsOnForm();
  Owner().Invalidate({box.x + dot.x, box.y + dot.y, dot.w, dot.h});
}

Color PictureBox::PixelAt(int x, int y) const {
  if (!surface_ || !surface_->Bounds().Contains(x, y)) return ResolveColor(back_color_);
  return surface_->At(x, y);
}

void PictureBox::Paint(Canvas& canvas, const PixelRect& clip) {
  EnsureSurface();
  const PixelRect box = BoundsOnForm();
  canvas.Copy(surface_->Pixels(), surface_->Width(), box.x, box.y, box.w, box.h, clip);
}

}  // namespace forms
