// Fills shapes into pictures with anti-aliased or soft edges, solid colours or gradients.
#include "painter.h"

#include <algorithm>
#include <cmath>

namespace assetgen {
namespace {

float Coverage(float distance, float softness) {
  const float t = std::clamp(0.5f - distance / softness, 0.0f, 1.0f);
  return softness > 1.0f ? t * t * (3.0f - 2.0f * t) : t;
}

struct PixelRange {
  int x0, y0, x1, y1;
};

PixelRange Clip(const Image& image, const Box& box) {
  return {std::max(0, static_cast<int>(std::floor(box.x0))),
          std::max(0, static_cast<int>(std::floor(box.y0))),
          std::min(image.Width(), static_cast<int>(std::ceil(box.x1)) + 1),
          std::min(image.Height(), static_cast<int>(std::ceil(box.y1)) + 1)};
}

}  // namespace

Paint Solid(Colour colour) {
  return [colour](float, float) { return colour; };
}

Paint VerticalGradient(float top_y, Colour top, float bottom_y, Colour bottom) {
  return [=](float, float y) {
    return Mix(top, bottom, std::clamp((y - top_y) / (bottom_y - top_y), 0.0f, 1.0f));
  };
}

void Fill(Image& image, const Shape& shape, const Paint& paint, float softness, BlendMode mode) {
  const PixelRange r = Clip(image, shape.Bounds().Grown(softness + 1.0f));
  for (int y = r.y0; y < r.y1; ++y) {
    for (int x = r.x0; x < r.x1; ++x) {
      const float px = x + 0.5f, py = y + 0.5f;
      const float coverage = Coverage(shape(px, py), softness);
      if (coverage > 0.0f) image.Blend(x, y, paint(px, py), coverage, mode);
    }
  }
}

void Fill(Image& image, const Shape& shape, Colour colour, float softness, BlendMode mode) {
  Fill(image, shape, Solid(colour), softness, mode);
}

void InsetShadow(Image& image, const Shape& shape, float offset, float blur, Colour colour) {
  const PixelRange r = Clip(image, shape.Bounds());
  for (int y = r.y0; y < r.y1; ++y) {
    for (int x = r.x0; x < r.x1; ++x) {
      const float px = x + 0.5f, py = y + 0.5f;
      const float inside = Coverage(shape(px, py), 1.0f);
      if (inside <= 0.0f) continue;
      const float lit = Coverage(shape(px - offset, py - offset) + blur / 2, blur);
      image.Blend(x, y, colour, inside * (1.0f - lit));
    }
  }
}

}  // namespace assetgen
