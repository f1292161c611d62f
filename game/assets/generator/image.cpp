// A floating-point RGBA picture that the generator paints on, and its 8-bit exports.
#include "image.h"

#include <algorithm>
#include <cmath>

namespace assetgen {
namespace {

std::uint8_t ToByte(float v) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

}  // namespace

Colour Rgb(int r, int g, int b, float a) {
  return {r / 255.0f, g / 255.0f, b / 255.0f, a};
}

Colour WithAlpha(Colour c, float a) {
  return {c.r, c.g, c.b, a};
}

Colour Mix(Colour from, Colour to, float t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
          from.a + (to.a - from.a) * t};
}

Colour Lighter(Colour c, float t) {
  return Mix(c, {1, 1, 1, c.a}, t);
}

Colour Darker(Colour c, float t) {
  return Mix(c, {0, 0, 0, c.a}, t);
}

Image::Image(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

void Image::Blend(int x, int y, Colour colour, float coverage, BlendMode mode) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0.0f) return;
  Colour& dst = pixels_[y * width_ + x];
  const float src_a = colour.a * std::min(coverage, 1.0f);
  if (mode == BlendMode::kAdd) {
    dst.r = std::min(1.0f, dst.r + colour.r * src_a);
    dst.g = std::min(1.0f, dst.g + colour.g * src_a);
    dst.b = std::min(1.0f, dst.b + colour.b * src_a);
    return;
  }
  const float out_a = src_a + dst.a * (1.0f - src_a);
  if (out_a <= 0.0f) return;
  const float keep = dst.a * (1.0f - src_a);
  dst.r = (colour.r * src_a + dst.r * keep) / out_a;
  dst.g = (colour.g * src_a + dst.g * keep) / out_a;
  dst.b = (colour.b * src_a + dst.b * keep) / out_a;
  dst.a = out_a;
}

std::vector<std::uint8_t> Image::ToRgb() const {
  std::vector<std::uint8_t> out;
  out.reserve(pixels_.size() * 3);
  for (const Colour& c : pixels_) {
    out.push_back(ToByte(c.r * c.a));
    out.push_back(ToByte(c.g * c.a));
    out.push_back(ToByte(c.b * c.a));
  }
  return out;
}

std::vector<std::uint8_t> Image::ToRgba() const {
  std::vector<std::uint8_t> out;
  out.reserve(pixels_.size() * 4);
  for (const Colour& c : pixels_) {
    out.push_back(ToByte(c.r));
    out.push_back(ToByte(c.g));
    out.push_back(ToByte(c.b));
    out.push_back(ToByte(c.a));
  }
  return out;
}

}  // namespace assetgen
