// What a picture box keeps of its drawing: a byte a pixel into a palette of the colours used,
// a quarter of full colour (a painting at 4K holds 8 MB, not 33). A drawing in more than 256
// colours turns to full colour.
#pragma once

#include <cstdint>
#include <vector>

#include "game/forms/canvas.h"

namespace forms {

class DrawingSurface {
 public:
  DrawingSurface(int width, int height, Color background);
  int Width() const { return width_; }
  int Height() const { return height_; }
  PixelRect Bounds() const { return {0, 0, width_, height_}; }

  Color At(int x, int y) const;
  void FillSpan(int y, int x0, int x1, Color color);  // pixels x0 .. x1 - 1 of row y, in bounds
  // Copies the part of the drawing that falls in clip onto canvas, its top-left corner at (x, y).
  void CopyTo(Canvas& canvas, int x, int y, const PixelRect& clip) const;
  void CopyFrom(const DrawingSurface& other);  // the top-left part that both have

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
  int PaletteIndex(Color color);  // -1 when the palette is full
  void TurnToFullColour();

  int width_, height_;
  std::vector<Color> palette_;
  std::vector<std::uint8_t> indices_;  // empty once in full colour
  std::vector<Color> full_;            // full colour, when the palette overflowed
  int last_index_ = 0;                 // dots come in runs of one colour
};

}  // namespace forms
