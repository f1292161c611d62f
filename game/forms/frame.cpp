// The frame: a filled container; the renderer clips its children to it.
#include "game/forms/controls.h"

namespace forms {

void Frame::SetBackColor(Color color) {
  back_color_ = color;
  Invalidate();
}

void Frame::Paint(Canvas& canvas, const PixelRect& clip) {
  canvas.Fill(BoundsOnForm(), clip, ResolveColor(back_color_));
}

}  // namespace forms
