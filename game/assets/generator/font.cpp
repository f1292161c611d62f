// Glyph outlines of a TrueType font, turned into shapes for big anti-aliased letters and digits.
#include "font.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#define STB_TRUETYPE_IMPLEMENTATION
#include <stb_truetype.h>

namespace assetgen {
namespace {

constexpr int kCurveSteps = 12;

Point Quadratic(Point a, Point c, Point b, float t) {
  const float u = 1 - t;
  return {u * u * a.x + 2 * u * t * c.x + t * t * b.x, u * u * a.y + 2 * u * t * c.y + t * t * b.y};
}

Point Cubic(Point a, Point c1, Point c2, Point b, float t) {
  const float u = 1 - t;
  const float w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
  return {w0 * a.x + w1 * c1.x + w2 * c2.x + w3 * b.x, w0 * a.y + w1 * c1.y + w2 * c2.y + w3 * b.y};
}

}  // namespace

struct Font::Impl {
  std::vector<unsigned char> data;
  stbtt_fontinfo info{};
  float cap_units = 1;  // height of a capital H in font units

  // Contours of one glyph in font units (y up), its pen at pen_x.
  void AddGlyph(int codepoint, float pen_x, std::vector<Contour>& out) const {
    stbtt_vertex* vertices = nullptr;
    const int count = stbtt_GetCodepointShape(&info, codepoint, &vertices);
    Point at{};
    for (int i = 0; i < count; ++i) {
      const stbtt_vertex& v = vertices[i];
      const Point to{pen_x + v.x, static_cast<float>(v.y)};
      if (v.type == STBTT_vmove) {
        out.emplace_back();
      } else if (v.type == STBTT_vcurve) {
        const Point c{pen_x + v.cx, static_cast<float>(v.cy)};
        for (int s = 1; s < kCurveSteps; ++s)
          out.back().push_back(Quadratic(at, c, to, 1.0f * s / kCurveSteps));
      } else if (v.type == STBTT_vcubic) {
        const Point c1{pen_x + v.cx, static_cast<float>(v.cy)};
        const Point c2{pen_x + v.cx1, static_cast<float>(v.cy1)};
        for (int s = 1; s < kCurveSteps; ++s)
          out.back().push_back(Cubic(at, c1, c2, to, 1.0f * s / kCurveSteps));
      }
      if (!out.empty()) out.back().push_back(to);
      at = to;
    }
    stbtt_FreeShape(&info, vertices);
  }
};

Font::Font(const std::string& path) : impl_(std::make_unique<Impl>()) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read the font file " + path);
  impl_->data.assign(std::istreambuf_iterator<char>(file), {});
  const int offset = stbtt_GetFontOffsetForIndex(impl_->data.data(), 0);
  if (impl_->data.size() < 12 || offset < 0 ||
      !stbtt_InitFont(&impl_->info, impl_->data.data(), offset)) {
    throw std::runtime_error("not a TrueType font: " + path);
  }
  int x0, y0, x1, y1;
  if (!stbtt_GetCodepointBox(&impl_->info, 'H', &x0, &y0, &x1, &y1) || y1 <= y0) {
    throw std::runtime_error("the font has no capital H: " + path);
  }
  impl_->cap_units = static_cast<float>(y1 - y0);
}

Font::~Font() = default;

Shape Font::Fitted(std::string_view text, Box area, float cap_height) const {
  const float cx = (area.x0 + area.x1) / 2, cy = (area.y0 + area.y1) / 2;
  const Box ink = Text(text, cx, cy, cap_height).Bounds();
  const float fit = std::min(
      {1.0f, (area.x1 - area.x0) / (ink.x1 - ink.x0), (area.y1 - area.y0) / (ink.y1 - ink.y0)});
  return Text(text, cx, cy, cap_height * fit);
}

Shape Font::Text(std::string_view text, float cx, float cy, float cap_height,
                 float tracking) const {
  const float scale = cap_height / impl_->cap_units;
  std::vector<Contour> contours;
  float pen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int codepoint = static_cast<unsigned char>(text[i]);
    impl_->AddGlyph(codepoint, pen, contours);
    int advance, bearing;
    stbtt_GetCodepointHMetrics(&impl_->info, codepoint, &advance, &bearing);
    pen += advance + tracking / scale;
    if (i + 1 < text.size()) {
      pen += stbtt_GetCodepointKernAdvance(&impl_->info, codepoint,
                                           static_cast<unsigned char>(text[i + 1]));
    }
  }
  Box ink{1e30f, 1e30f, -1e30f, -1e30f};
  for (const Contour& c : contours) {
    for (const Point& p : c) {
      ink = {std::min(ink.x0, p.x), std::min(ink.y0, p.y), std::max(ink.x1, p.x),
             std::max(ink.y1, p.y)};
    }
  }
  const float mid_x = (ink.x0 + ink.x1) / 2, mid_y = (ink.y0 + ink.y1) / 2;
  for (Contour& c : contours) {
    for (Point& p : c) p = {cx + (p.x - mid_x) * scale, cy - (p.y - mid_y) * scale};
  }
  return Outline(std::move(contours));
}

}  // namespace assetgen
