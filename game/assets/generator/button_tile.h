// The rounded button tile behind menu, picker and colour buttons, up or clearly pressed.
#pragma once

#include "image.h"
#include "shape.h"

namespace assetgen {

struct TileStyle {
  Colour backdrop;      // around the rounded corners: the screen's colour
  Colour face;          // the tile itself
  Colour rim;           // its border
  float margin = 0;     // pixels between the picture's edge and the tile
  float radius = 0;     // corner radius in pixels
  float rim_width = 0;  // pixels
};

struct TileFace {
  Image image;
  Point shift;  // how far the content moves down-right: nothing when up
  float dim;    // how much pressed content darkens (0..1)
};

// A picture of width x height with the tile drawn; pressed tiles sink down-right, darken and
// show an inner shadow along their top and left edges.
TileFace PaintTile(int width, int height, const TileStyle& style, bool pressed);

}  // namespace assetgen
