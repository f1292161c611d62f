// The game's emblem: a red toy block with a yellow "W", for the splash logo and the game's icon.
#pragma once

#include "font.h"
#include "image.h"

namespace assetgen {

// Draws the block into the square (x, y, size) of the image.
void PaintToyBlock(Image& image, float x, float y, float size, const Font& font);

}  // namespace assetgen
