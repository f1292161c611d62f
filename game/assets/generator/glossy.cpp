// The look shared by glyphs and shapes: a dark rim, a light-to-deep body and a soft top shine.
#include "glossy.h"

#include <algorithm>

#include "painter.h"

namespace assetgen {

void PaintGlossy(Image& image, const Shape& shape, Colour base, const GlossStyle& style) {
  const Box& box = shape.Bounds();
  const float height = box.y1 - box.y0;
  const float size = std::min(box.x1 - box.x0, height);
  if (style.glow > 0) {
    Fill(image, shape.Grown(style.glow * 0.3f), WithAlpha(base, 0.45f), style.glow * 1.6f);
  }
  if (style.shadow > 0) {
    const Shape cast = shape.Grown(style.rim).Moved(style.shadow, style.shadow);
    Fill(image, cast, Rgb(0, 0, 0, 0.35f), style.shadow * 1.5f);
  }
  if (style.rim > 0) Fill(image, shape.Grown(style.rim), style.rim_colour);
  Fill(image, shape, VerticalGradient(box.y0, Lighter(base, 0.28f), box.y1, Darker(base, 0.14f)));
  const Shape upper =
      Ellipse((box.x0 + box.x1) / 2, box.y0, (box.x1 - box.x0) * 0.75f, height * 0.5f);
  const Shape shine = shape.Grown(-size * 0.07f).Within(upper);
  Fill(image, shine,
       VerticalGradient(box.y0, Rgb(255, 255, 255, 0.55f), box.y0 + height * 0.5f,
                        Rgb(255, 255, 255, 0.08f)),
       std::max(1.0f, size * 0.02f));
}

}  // namespace assetgen
