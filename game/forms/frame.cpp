// The frame: a filled container whose children are drawn and found within it.
#include "game/forms/controls.h"

namespace forms {

void Frame::SetBackColor(Color color) {
  back_color_ = color;
  Invalidate();
}

void Frame::Paint(Canvas& canvas, const PixelRect& clip) {
  canvas.Fill(BoundsOnForm(), clip, ResolveColor(back_color_));
  PaintChildren(canvas, clip);
}

Control* Frame::HitTest(int x, int y) {
  if (Control::HitTest(x, y) == nullptr) return nullptr;
  Control* inner = ControlAt(x, y);
  return inner ? inner : this;
}

}  // namespace forms
