// The paint screen's six colour buttons: a splash of the button's exact colour on a light tile.
#include <string>

#include "button_tile.h"
#include "families.h"
#include "painter.h"
#include "palette.h"
#include "toy_shapes.h"

namespace assetgen {
namespace {

constexpr int kSize = 256;  // pixels, square

const TileStyle kPaintTile{.backdrop = Rgb(222, 222, 226),
                           .face = Rgb(250, 250, 252),
                           .rim = Rgb(150, 150, 165),
                           .margin = 8,
                           .radius = 38,
                           .rim_width = 6};

struct PaintColour {
  const char* up;
  const char* down;
  Colour colour;  // the pen's colour: the splash shows exactly this
};

// Names as the paint screen uses them, capital "Y" of "YellowSqu.jpg" included.
const PaintColour kColours[] = {
    {"blueSqu.jpg", "blueSquDown.jpg", Rgb(51, 0, 255)},
    {"greenSqu.jpg", "greenSquDown.jpg", Rgb(1, 204, 0)},
    {"redSqu.jpg", "redSquDown.jpg", Rgb(245, 0, 0)},
    {"orangeSqu.jpg", "orangeSquDown.jpg", Rgb(251, 105, 4)},
    {"YellowSqu.jpg", "yellowSquDown.jpg", Rgb(255, 255, 0)},
    {"purpleSqu.jpg", "purpleSquDown.jpg", Rgb(103, 0, 153)},
};

Bytes Button(Colour colour, bool pressed, unsigned seed) {
  TileFace face = PaintTile(kSize, kSize, kPaintTile, pressed);
  Random random(seed);
  const Shape splat =
      PaintSplat(kSize / 2.0f, kSize / 2.0f, 74, random).Moved(face.shift.x, face.shift.y);
  if (!pressed) Fill(face.image, splat.Grown(2).Moved(4, 5), Rgb(0, 0, 0, 0.3f), 8);
  Fill(face.image, splat.Grown(3.5f), Darker(colour, 0.35f));
  Fill(face.image, splat, colour);
  const Shape shine =
      Ellipse(104 + face.shift.x, 96 + face.shift.y, 20, 12).Rotated(104, 96, -0.6f);
  Fill(face.image, shine, Rgb(255, 255, 255, 0.7f), 3);
  return EncodeJpeg(face.image);
}

}  // namespace

void WritePaintButtons(Output& out) {
  unsigned seed = 11;
  for (const PaintColour& paint : kColours) {
    out.App(paint.up, Button(paint.colour, false, seed));
    out.App(paint.down, Button(paint.colour, true, seed));
    ++seed;
  }
}

}  // namespace assetgen
