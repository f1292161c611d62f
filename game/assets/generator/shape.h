// Shapes as signed distance functions in pixels (negative inside), so edges anti-alias by coverage.
#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace assetgen {

struct Point {
  float x = 0, y = 0;
};

// Where a shape can be inside (pixels); painting skips everything beyond it.
struct Box {
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  Box Grown(float by) const { return {x0 - by, y0 - by, x1 + by, y1 + by}; }
};

using Contour = std::vector<Point>;

class Shape {
 public:
  using Distance = std::function<float(float x, float y)>;
  Shape(Distance distance, Box bounds);
  float operator()(float x, float y) const { return (*distance_)(x, y); }
  const Box& Bounds() const { return bounds_; }

  Shape Grown(float by) const;  // outwards by pixels; negative shrinks
  Shape Moved(float dx, float dy) const;
  Shape Rotated(float cx, float cy, float radians) const;
  Shape Plus(const Shape& other) const;
  Shape Minus(const Shape& other) const;
  Shape Within(const Shape& other) const;  // intersection

 private:
  std::shared_ptr<const Distance> distance_;
  Box bounds_;
};

Shape Circle(float cx, float cy, float radius);
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape RoundedBox(Box box, float radius);
Shape Segment(Point from, Point to, float half_width);
// Closed contours filled by the non-zero winding rule (polygons and flattened glyphs).
Shape Outline(std::vector<Contour> contours);
Shape Polygon(Contour points);
Shape Star(float cx, float cy, float outer, float inner, int points, float rotation);
Shape Heart(float cx, float cy, float size);  // size: width in pixels

}  // namespace assetgen
