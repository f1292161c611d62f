// Shapes as signed distance functions in pixels (negative inside), so edges anti-alias by coverage.
#include "shape.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;

Box Union(const Box& a, const Box& b) {
  return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Box Intersection(const Box& a, const Box& b) {
  return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

struct Edge {
  Point a, b;
};

// A run of consecutive edges and their box, so far-away runs are skipped at once.
struct Run {
  Box box;
  std::size_t begin, end;
};

struct Edges {
  std::vector<Edge> edges;
  std::vector<Run> runs;
};

constexpr std::size_t kRunLength = 8;

float SquaredDistance(const Edge& e, float x, float y) {
  const float ex = e.b.x - e.a.x, ey = e.b.y - e.a.y;
  const float px = x - e.a.x, py = y - e.a.y;
  const float len2 = ex * ex + ey * ey;
  const float t = len2 > 0 ? std::clamp((px * ex + py * ey) / len2, 0.0f, 1.0f) : 0.0f;
  const float dx = px - ex * t, dy = py - ey * t;
  return dx * dx + dy * dy;
}

// +1 or -1 when the edge crosses the ray from (x, y) to the right, by its direction.
int Crossing(const Edge& e, float x, float y) {
  const float cross = (e.b.x - e.a.x) * (y - e.a.y) - (e.b.y - e.a.y) * (x - e.a.x);
  if (e.a.y <= y) return e.b.y > y && cross > 0 ? 1 : 0;
  return e.b.y <= y && cross < 0 ? -1 : 0;
}

// Distance to the nearest edge, negative where the winding number is not zero.
float OutlineDistance(const Edges& all, float x, float y) {
  float best = 1e30f;
  int winding = 0;
  for (const Run& run : all.runs) {
    const float dx = std::max({run.box.x0 - x, 0.0f, x - run.box.x1});
    const float dy = std::max({run.box.y0 - y, 0.0f, y - run.box.y1});
    const bool near = dx * dx + dy * dy < best;
    const bool spans = y >= run.box.y0 && y < run.box.y1;
    if (!near && !spans) continue;
    for (std::size_t i = run.begin; i < run.end; ++i) {
      if (near) best = std::min(best, SquaredDistance(all.edges[i], x, y));
      if (spans) winding += Crossing(all.edges[i], x, y);
    }
  }
  const float d = std::sqrt(best);
  return winding != 0 ? -d : d;
}

}  // namespace

Shape::Shape(Distance distance, Box bounds)
    : distance_(std::make_shared<const Distance>(std::move(distance))), bounds_(bounds) {}

Shape Shape::Grown(float by) const {
  Shape self = *this;
  return Shape([self, by](float x, float y) { return self(x, y) - by; },
               bounds_.Grown(std::max(by, 0.0f)));
}

Shape Shape::Moved(float dx, float dy) const {
  Shape self = *this;
  return Shape([self, dx, dy](float x, float y) { return self(x - dx, y - dy); },
               {bounds_.x0 + dx, bounds_.y0 + dy, bounds_.x1 + dx, bounds_.y1 + dy});
}

Shape Shape::Rotated(float cx, float cy, float radians) const {
  Shape self = *this;
  const float c = std::cos(radians), s = std::sin(radians);
  const float reach = std::hypot(std::max(std::abs(bounds_.x0 - cx), std::abs(bounds_.x1 - cx)),
                                 std::max(std::abs(bounds_.y0 - cy), std::abs(bounds_.y1 - cy)));
  return Shape(
      [self, cx, cy, c, s](float x, float y) {
        const float dx = x - cx, dy = y - cy;
        return self(cx + dx * c + dy * s, cy - dx * s + dy * c);
      },
      {cx - reach, cy - reach, cx + reach, cy + reach});
}

Shape Shape::Plus(const Shape& other) const {
  Shape self = *this;
  return Shape([self, other](float x, float y) { return std::min(self(x, y), other(x, y)); },
               Union(bounds_, other.bounds_));
}

Shape Shape::Minus(const Shape& other) const {
  Shape self = *this;
  return Shape([self, other](float x, float y) { return std::max(self(x, y), -other(x, y)); },
               bounds_);
}

Shape Shape::Within(const Shape& other) const {
  Shape self = *this;
  return Shape([self, other](float x, float y) { return std::max(self(x, y), other(x, y)); },
               Intersection(bounds_, other.bounds_));
}

Shape Circle(float cx, float cy, float radius) {
  return Shape([=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; },
               {cx - radius, cy - radius, cx + radius, cy + radius});
}

// Scaled circle distance: exact on the axes, close enough elsewhere for the edge's coverage.
Shape Ellipse(float cx, float cy, float rx, float ry) {
  return Shape(
      [=](float x, float y) {
        const float nx = (x - cx) / rx, ny = (y - cy) / ry;
        const float k = std::hypot(nx, ny);
        if (k == 0.0f) return -std::min(rx, ry);
        const float gx = nx / rx, gy = ny / ry;
        return (k - 1.0f) * k / std::hypot(gx, gy);
      },
      {cx - rx, cy - ry, cx + rx, cy + ry});
}

Shape RoundedBox(Box box, float radius) {
  const float cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
  const float hx = (box.x1 - box.x0) / 2 - radius, hy = (box.y1 - box.y0) / 2 - radius;
  return Shape(
      [=](float x, float y) {
        const float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
      },
      box);
}

Shape Segment(Point from, Point to, float half_width) {
  const Box box{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x),
                std::max(from.y, to.y)};
  return Shape(
      [=](float x, float y) {
        const float ex = to.x - from.x, ey = to.y - from.y;
        const float px = x - from.x, py = y - from.y;
        const float len2 = ex * ex + ey * ey;
        const float t = len2 > 0 ? std::clamp((px * ex + py * ey) / len2, 0.0f, 1.0f) : 0.0f;
        return std::hypot(px - ex * t, py - ey * t) - half_width;
      },
      box.Grown(half_width));
}

Shape Outline(std::vector<Contour> contours) {
  auto all = std::make_shared<Edges>();
  Box box{1e30f, 1e30f, -1e30f, -1e30f};
  for (const Contour& contour : contours) {
    for (std::size_t i = 0; i < contour.size(); ++i) {
      const Point a = contour[i], b = contour[(i + 1) % contour.size()];
      const Box edge_box{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                         std::max(a.y, b.y)};
      if (i % kRunLength == 0)
        all->runs.push_back({edge_box, all->edges.size(), all->edges.size()});
      all->edges.push_back({a, b});
      all->runs.back().box = Union(all->runs.back().box, edge_box);
      all->runs.back().end = all->edges.size();
      box = Union(box, edge_box);
    }
  }
  return Shape([all](float x, float y) { return OutlineDistance(*all, x, y); }, box);
}

Shape Polygon(Contour points) {
  return Outline({std::move(points)});
}

Shape Star(float cx, float cy, float outer, float inner, int points, float rotation) {
  Contour contour;
  for (int i = 0; i < points * 2; ++i) {
    const float angle = rotation + kPi * i / points;
    const float r = i % 2 == 0 ? outer : inner;
    contour.push_back({cx + r * std::sin(angle), cy - r * std::cos(angle)});
  }
  return Polygon(contour);
}

// The classic parametric heart curve, flattened and fitted to the requested width.
Shape Heart(float cx, float cy, float size) {
  Contour contour;
  constexpr int kSteps = 160;
  const float scale = size / 32.0f;
  for (int i = 0; i < kSteps; ++i) {
    const float t = 2 * kPi * i / kSteps;
    const float s = std::sin(t);
    const float hx = 16 * s * s * s;
    const float hy = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
    contour.push_back({cx + hx * scale, cy - (hy + 2.5f) * scale});
  }
  return Polygon(contour);
}

}  // namespace assetgen
