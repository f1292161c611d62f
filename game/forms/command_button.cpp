// The command button: a classic raised grey button with a centred caption, sunken while held.
#include "game/forms/application.h"
#include "game/forms/controls.h"
#include "game/forms/font.h"
#include "game/forms/form.h"

namespace forms {
namespace {

constexpr Color kFace = 0xC0C0C0, kLight = 0xFFFFFF, kShadow = 0x808080, kDark = 0x000000;

void Line(Canvas& canvas, const PixelRect& clip, int x, int y, int w, int h, Color color) {
  canvas.Fill({x, y, w, h}, clip, color);
}

}  // namespace

void CommandButton::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Invalidate();
}

void CommandButton::SetFontSize(float points) {
  font_size_ = points;
  Invalidate();
}

void CommandButton::SetPressed(bool pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  Invalidate();
}

void CommandButton::PaintBevel(Canvas& canvas, const PixelRect& b, const PixelRect& clip) const {
  const int r = b.x + b.w, bottom = b.y + b.h;
  if (pressed_) {  // a black outline and a grey inner shadow: the pushed-in look
    Line(canvas, clip, b.x, b.y, b.w, 1, kDark);
    Line(canvas, clip, b.x, bottom - 1, b.w, 1, kDark);
    Line(canvas, clip, b.x, b.y, 1, b.h, kDark);
    Line(canvas, clip, r - 1, b.y, 1, b.h, kDark);
    Line(canvas, clip, b.x + 1, b.y + 1, b.w - 2, 1, kShadow);
    Line(canvas, clip, b.x + 1, b.y + 1, 1, b.h - 2, kShadow);
    return;
  }
  Line(canvas, clip, b.x, b.y, b.w - 1, 1, kLight);
  Line(canvas, clip, b.x, b.y, 1, b.h - 1, kLight);
  Line(canvas, clip, b.x, bottom - 1, b.w, 1, kDark);
  Line(canvas, clip, r - 1, b.y, 1, b.h, kDark);
  Line(canvas, clip, b.x + 1, bottom - 2, b.w - 2, 1, kShadow);
  Line(canvas, clip, r - 2, b.y + 1, 1, b.h - 2, kShadow);
}

void CommandButton::Paint(Canvas& canvas, const PixelRect& clip) {
  const PixelRect box = BoundsOnForm();
  canvas.Fill(box, clip, kFace);
  PaintBevel(canvas, box, clip);
  if (caption_.empty()) return;
  const auto font = Font::ForFolder(Owner().App().Path());
  const float px = font_size_ * 20.0f / static_cast<float>(TwipsPerPixel());
  const int shift = pressed_ ? 1 : 0;
  const int x = box.x + (box.w - font->TextWidth(caption_, px)) / 2 + shift;
  const int y = box.y + (box.h - font->LineHeight(px)) / 2 + shift;
  const PixelRect inner{box.x + 2, box.y + 2, box.w - 4, box.h - 4};
  font->Draw(canvas, Intersect(clip, inner), x, y, caption_, px, kDark);
}

}  // namespace forms
