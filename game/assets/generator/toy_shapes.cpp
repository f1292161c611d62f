// The toy shapes of the game: the shapes screen's six, paint splats and a half-plane.
#include "toy_shapes.h"

#include <cmath>

namespace assetgen {

Shape ToyShape(ShapeKind kind, float cx, float cy, float size) {
  const float h = size / 2, round = size * 0.06f;
  switch (kind) {
    case ShapeKind::kSquare:
      return RoundedBox({cx - h * 0.86f, cy - h * 0.86f, cx + h * 0.86f, cy + h * 0.86f},
                        round * 1.5f);
    case ShapeKind::kCircle:
      return Circle(cx, cy, h * 0.95f);
    case ShapeKind::kTriangle:
      return Polygon({{cx, cy - h * 0.9f + round * 2},
                      {cx + h * 0.96f - round * 1.7f, cy + h * 0.82f - round},
                      {cx - h * 0.96f + round * 1.7f, cy + h * 0.82f - round}})
          .Grown(round);
    case ShapeKind::kDiamond:
      return Polygon({{cx, cy - h + round * 1.4f},
                      {cx + h * 0.72f - round, cy},
                      {cx, cy + h - round * 1.4f},
                      {cx - h * 0.72f + round, cy}})
          .Grown(round);
    case ShapeKind::kHeart:
      return Heart(cx, cy + h * 0.04f, size * 0.98f);
    case ShapeKind::kStar:
      return Star(cx, cy + h * 0.08f, h * 1.02f - round, h * 0.46f, 5, 0).Grown(round * 0.6f);
  }
  return Circle(cx, cy, h);
}

Shape PaintSplat(float cx, float cy, float radius, Random& random) {
  Shape splat = Circle(cx, cy, radius * 0.82f);
  const int bulges = 9;
  for (int i = 0; i < bulges; ++i) {
    const float angle = 6.2831853f * (i + random.Between(-0.25f, 0.25f)) / bulges;
    const float reach = radius * random.Between(0.62f, 0.8f);
    const float size = radius * random.Between(0.22f, 0.34f);
    splat = splat.Plus(Circle(cx + reach * std::cos(angle), cy + reach * std::sin(angle), size));
  }
  for (int i = 0; i < 4; ++i) {
    const float angle = 6.2831853f * (i + 0.5f + random.Between(-0.2f, 0.2f)) / 4;
    const float reach = radius * random.Between(1.05f, 1.2f);
    splat = splat.Plus(Circle(cx + reach * std::cos(angle), cy + reach * std::sin(angle),
                              radius * random.Between(0.07f, 0.11f)));
  }
  return splat;
}

Shape Above(float y, Box bounds) {
  return Shape([y](float, float py) { return py - y; }, {bounds.x0, bounds.y0, bounds.x1, y});
}

}  // namespace assetgen
