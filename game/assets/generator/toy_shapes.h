// The toy shapes of the game: the shapes screen's six, paint splats and a half-plane.
#pragma once

#include "palette.h"
#include "random.h"
#include "shape.h"

namespace assetgen {

// A shape of the kind centred on (cx, cy) that fills about size x size pixels.
Shape ToyShape(ShapeKind kind, float cx, float cy, float size);

// A round splash of paint: a blob with bulges and a few flung drops around it.
Shape PaintSplat(float cx, float cy, float radius, Random& random);

// A half-plane: everything above the horizontal line y (smaller y), limited to bounds.
Shape Above(float y, Box bounds);

}  // namespace assetgen
