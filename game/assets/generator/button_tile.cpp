// The rounded button tile behind menu, picker and colour buttons, up or clearly pressed.
#include "button_tile.h"

#include <algorithm>

#include "painter.h"

namespace assetgen {

TileFace PaintTile(int width, int height, const TileStyle& style, bool pressed) {
  Image image(width, height, style.backdrop);
  const float unit = std::min(width, height) / 100.0f;
  const float sink = pressed ? 1.6f * unit : 0.0f;
  const Box box{style.margin + sink, style.margin + sink, width - style.margin + sink * 0.2f,
                height - style.margin + sink * 0.2f};
  const Shape tile = RoundedBox(box, style.radius);
  const Shape inner = tile.Grown(-style.rim_width);
  if (!pressed) Fill(image, tile.Moved(0, 1.2f * unit), Darker(style.backdrop, 0.35f), 2.5f * unit);
  const Colour face = pressed ? Darker(style.face, 0.2f) : style.face;
  Fill(image, tile, pressed ? Darker(style.rim, 0.2f) : style.rim);
  Fill(image, inner, VerticalGradient(box.y0, Lighter(face, 0.3f), box.y1, Darker(face, 0.1f)));
  if (pressed) {
    InsetShadow(image, inner, 2.2f * unit, 3.0f * unit, Rgb(0, 0, 0, 0.5f));
  } else {
    const float top = box.y0 + style.rim_width;
    const Shape band = inner.Within(
        RoundedBox({box.x0, box.y0, box.x1, top + (box.y1 - box.y0) * 0.38f}, style.radius));
    Fill(image, band.Grown(-1.5f * unit),
         VerticalGradient(top, Rgb(255, 255, 255, 0.38f), top + (box.y1 - box.y0) * 0.4f,
                          Rgb(255, 255, 255, 0.0f)),
         1.5f * unit);
  }
  return {std::move(image), {sink * 1.6f, sink * 1.6f}, pressed ? 0.12f : 0.0f};
}

}  // namespace assetgen
