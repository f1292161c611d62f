// A paintbrush drawn from its painting tip to the end of its handle.
#pragma once

#include "image.h"
#include "shape.h"

namespace assetgen {

// width: the bristles' widest part in pixels; outline: the dark edge around it all.
void PaintBrush(Image& image, Point tip, Point end, float width, Colour bristles, float outline);

}  // namespace assetgen
