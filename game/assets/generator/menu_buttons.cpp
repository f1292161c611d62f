// The main menu's four big picture buttons: letters, numbers, shapes and colours.
#include <functional>
#include <string>

#include "brush.h"
#include "button_tile.h"
#include "families.h"
#include "glossy.h"
#include "painter.h"
#include "palette.h"
#include "toy_shapes.h"

namespace assetgen {
namespace {

// The design button is 1695 x 1455 twips; the game stretches this over a quarter of the screen.
constexpr int kWidth = 800, kHeight = 688;
constexpr float kMidX = kWidth / 2.0f, kMidY = kHeight / 2.0f;

// Shown where the tile's rounded corners leave room: a warm cream.
const Colour kMenuBackdrop = Rgb(255, 244, 222);

using Content = std::function<void(Image&, Point shift, float dim)>;

TileStyle Tile(Colour face, Colour rim) {
  return {.backdrop = kMenuBackdrop,
          .face = face,
          .rim = rim,
          .margin = 18,
          .radius = 92,
          .rim_width = 14};
}

GlossStyle Sticker(float dim) {
  return {.rim = 11, .rim_colour = Darker(kWhite, dim), .shadow = dim > 0 ? 4.0f : 12.0f};
}

// Three glyphs in a playful wave, each in its own colour.
Content Glyphs(const Font& font, const char* text, const Colour (&colours)[3]) {
  return [&font, text, &colours](Image& image, Point shift, float dim) {
    for (int i = 0; i < 3; ++i) {
      const float x = kMidX + (i - 1) * 222 + shift.x, y = kMidY + (i == 1 ? 22 : -18) + shift.y;
      const Box area{x - 100, y - 150, x + 100, y + 150};
      const Shape glyph =
          font.Fitted(std::string(1, text[i]), area, 250).Rotated(x, y, (i - 1) * 0.12f);
      PaintGlossy(image, glyph, Darker(colours[i], dim), Sticker(dim));
    }
  };
}

void Shapes(Image& image, Point s, float dim) {
  const struct {
    ShapeKind kind;
    float x, y, size;
    Colour colour;
  } kItems[] = {{ShapeKind::kCircle, 200, 250, 190, kRed},
                {ShapeKind::kTriangle, 600, 250, 210, kLime},
                {ShapeKind::kHeart, 215, 470, 190, kPink},
                {ShapeKind::kStar, 590, 470, 230, kYellow},
                {ShapeKind::kSquare, 400, 360, 150, kSky}};
  for (const auto& item : kItems) {
    const Shape shape = ToyShape(item.kind, item.x + s.x, item.y + s.y, item.size);
    PaintGlossy(image, shape, Darker(item.colour, dim), Sticker(dim));
  }
}

void Colours(Image& image, Point s, float dim) {
  const Colour kBands[] = {kRed, kOrange, kYellow, kGreen, kSky, kPurple};
  const float cx = kMidX + s.x, cy = 400 + s.y;
  const Box area{0, 0, kWidth, kHeight};
  for (int i = 0; i < 6; ++i) {
    const float outer = 290 - i * 30.0f;
    const Shape band =
        Circle(cx, cy, outer).Minus(Circle(cx, cy, outer - 30)).Within(Above(cy, area));
    Fill(image, band, Darker(kBands[i], dim));
  }
  Random random(7);
  const struct {
    float x, y, r;
    Colour colour;
  } kSplats[] = {{175, 470, 95, kBlue}, {395, 520, 80, kRed}, {600, 470, 95, kYellow}};
  for (const auto& splat : kSplats) {
    const Shape blob = PaintSplat(splat.x + s.x, splat.y + s.y, splat.r, random);
    PaintGlossy(image, blob, Darker(splat.colour, dim), {.rim = 5, .rim_colour = kInk});
  }
  PaintBrush(image, {470 + s.x, 430 + s.y}, {700 + s.x, 130 + s.y}, 82, Darker(kPurple, dim), 6);
}

void WriteButton(Output& out, const std::string& up, const std::string& down, const TileStyle& tile,
                 const Content& content) {
  for (const bool pressed : {false, true}) {
    TileFace face = PaintTile(kWidth, kHeight, tile, pressed);
    content(face.image, face.shift, face.dim);
    out.App(pressed ? down : up, EncodeJpeg(face.image));
  }
}

}  // namespace

void WriteMenuButtons(Output& out, const Font& font) {
  static const Colour kLetterColours[] = {kRed, kYellow, kLime};
  static const Colour kDigitColours[] = {kOrange, kPink, kSky};
  WriteButton(out, "letUp.jpg", "letDown.jpg", Tile(Rgb(40, 140, 255), Rgb(20, 70, 170)),
              Glyphs(font, "ABC", kLetterColours));
  WriteButton(out, "numUp.jpg", "numDown.jpg", Tile(Rgb(40, 185, 90), Rgb(15, 105, 45)),
              Glyphs(font, "123", kDigitColours));
  WriteButton(out, "shaUp.jpg", "shaDown.jpg", Tile(Rgb(150, 80, 225), Rgb(85, 35, 150)), Shapes);
  // One file serves both "ColUp.jpg" and "colUp.jpg": the game ignores letter case.
  WriteButton(out, "ColUp.jpg", "colDown.jpg", Tile(Rgb(255, 255, 255), Rgb(250, 140, 40)),
              Colours);
}

}  // namespace assetgen
