// A paintbrush drawn from its painting tip to the end of its handle.
#include "brush.h"

#include <cmath>

#include "painter.h"
#include "palette.h"

namespace assetgen {

void PaintBrush(Image& image, Point tip, Point end, float width, Colour bristles, float outline) {
  const float length = std::hypot(end.x - tip.x, end.y - tip.y);
  const Point u{(end.x - tip.x) / length, (end.y - tip.y) / length};
  const Point n{-u.y, u.x};
  const auto at = [&](float along, float across) {
    return Point{tip.x + u.x * along * length + n.x * across * width,
                 tip.y + u.y * along * length + n.y * across * width};
  };
  const float round = width * 0.12f;
  const Shape hairs = Polygon({at(0.02f, 0), at(0.12f, -0.42f), at(0.34f, -0.38f), at(0.34f, 0.38f),
                               at(0.12f, 0.42f)})
                          .Grown(round);
  const Shape ferrule = Segment(at(0.33f, 0), at(0.47f, 0), width * 0.46f);
  const Shape handle = Segment(at(0.47f, 0), at(0.97f, 0), width * 0.3f)
                           .Plus(Circle(at(0.95f, 0).x, at(0.95f, 0).y, width * 0.36f));
  Fill(image, hairs.Plus(ferrule).Plus(handle).Grown(outline), kInk);
  Fill(image, handle, VerticalGradient(end.y, Rgb(235, 80, 60), tip.y, Rgb(170, 40, 30)));
  Fill(image, ferrule, VerticalGradient(end.y, Rgb(235, 238, 245), tip.y, Rgb(140, 148, 165)));
  Fill(image, hairs, bristles);
  const Shape shine = Segment(at(0.1f, -0.12f), at(0.28f, -0.18f), width * 0.08f);
  Fill(image, shine, Rgb(255, 255, 255, 0.55f));
}

}  // namespace assetgen
