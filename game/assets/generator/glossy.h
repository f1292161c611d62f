// The look shared by glyphs and shapes: a dark rim, a light-to-deep body and a soft top shine.
#pragma once

#include "image.h"
#include "shape.h"

namespace assetgen {

struct GlossStyle {
  float rim = 0;        // pixels of outline around the shape
  Colour rim_colour{};  // the outline; its alpha is honoured
  float glow = 0;       // pixels of coloured halo (on dark backgrounds); 0 for none
  float shadow = 0;     // pixels a soft drop shadow falls down-right; 0 for none
};

void PaintGlossy(Image& image, const Shape& shape, Colour base, const GlossStyle& style);

}  // namespace assetgen
