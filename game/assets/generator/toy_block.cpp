// The game's emblem: a red toy block with a yellow "W", for the splash logo and the game's icon.
#include "toy_block.h"

#include "glossy.h"
#include "painter.h"
#include "palette.h"

namespace assetgen {

void PaintToyBlock(Image& image, float x, float y, float size, const Font& font) {
  const float u = size / 100.0f, depth = 16 * u;
  const auto p = [&](float px, float py) { return Point{x + px * u, y + py * u}; };
  const Box front_box{x + 4 * u, y + 4 * u + depth, x + 96 * u - depth, y + 96 * u};
  const Shape front = RoundedBox(front_box, 9 * u);
  const Shape top = Polygon({p(10, 4 + 16), p(22, 4), p(96, 4), p(96 - 16, 20)}).Grown(2 * u);
  const Shape side = Polygon({p(96 - 16, 20), p(96, 4), p(96, 78), p(96 - 16, 94)}).Grown(2 * u);
  Fill(image, front.Plus(top).Plus(side).Grown(2.5f * u), kInk);
  Fill(image, top, Rgb(80, 190, 255));
  Fill(image, side, Rgb(40, 175, 80));
  Fill(image, front,
       VerticalGradient(front_box.y0, Rgb(255, 80, 70), front_box.y1, Rgb(225, 30, 35)));
  Fill(image, front.Grown(-6 * u).Minus(front.Grown(-9 * u)), Rgb(255, 255, 255, 0.35f));
  const float cx = (front_box.x0 + front_box.x1) / 2, cy = (front_box.y0 + front_box.y1) / 2;
  const Shape w = font.Text("W", cx, cy + u, 46 * u);
  PaintGlossy(image, w, kYellow, {.rim = 3 * u, .rim_colour = kInk});
}

}  // namespace assetgen
