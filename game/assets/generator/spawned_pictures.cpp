// The pictures a key press spawns: one big glossy letter, digit or shape on black.
#include <string>

#include "families.h"
#include "glossy.h"
#include "painter.h"
#include "palette.h"
#include "toy_shapes.h"

namespace assetgen {
namespace {

constexpr int kSize = 256;  // pixels; the game stretches it to the picker size
// Where a glyph's ink may go: room left for its rim and glow.
constexpr Box kGlyphArea{34, 30, kSize - 34, kSize - 30};

Bytes Spawned(const Shape& shape, Colour colour) {
  Image image(kSize, kSize, Rgb(0, 0, 0));
  PaintGlossy(image, shape, colour,
              {.rim = 5.0f, .rim_colour = Darker(colour, 0.45f), .glow = 16.0f});
  return EncodeJpeg(image);
}

}  // namespace

void WriteSpawnedPictures(Output& out, const Font& font) {
  constexpr float kMid = kSize / 2.0f;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const Shape glyph = font.Fitted(std::string(1, letter), kGlyphArea, 184);
    out.App(std::string(1, letter) + ".jpg", Spawned(glyph, LetterColour(letter)));
  }
  for (char digit = '1'; digit <= '6'; ++digit) {
    const Shape glyph = font.Fitted(std::string(1, digit), kGlyphArea, 190);
    out.App(std::string(1, digit) + "Bounce.jpg", Spawned(glyph, DigitColour(digit)));
  }
  for (const ShapeInfo& info : AllShapes()) {
    const Shape shape = ToyShape(info.kind, kMid, kMid, 196);
    out.App(std::string(info.key) + "Bounce.jpg", Spawned(shape, info.colour));
  }
}

}  // namespace assetgen
