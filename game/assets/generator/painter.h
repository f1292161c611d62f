// Fills shapes into pictures with anti-aliased or soft edges, solid colours or gradients.
#pragma once

#include <functional>

#include "image.h"
#include "shape.h"

namespace assetgen {

using Paint = std::function<Colour(float x, float y)>;

Paint Solid(Colour colour);
Paint VerticalGradient(float top_y, Colour top, float bottom_y, Colour bottom);

// softness: width of the edge in pixels; 1 gives a crisp anti-aliased edge, more a soft glow.
void Fill(Image& image, const Shape& shape, const Paint& paint, float softness = 1.0f,
          BlendMode mode = BlendMode::kOver);
void Fill(Image& image, const Shape& shape, Colour colour, float softness = 1.0f,
          BlendMode mode = BlendMode::kOver);

// A soft shadow cast inside shape by its own edge as if lit from the top left (pressed look).
void InsetShadow(Image& image, const Shape& shape, float offset, float blur, Colour colour);

}  // namespace assetgen
