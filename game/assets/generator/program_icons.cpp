// The programs' icons: the game's toy block, and a keyboard with a padlock or a gear; the toy
// block also as PNG files for Linux desktops.
#include <functional>
#include <string>
#include <vector>

#include "families.h"
#include "glossy.h"
#include "painter.h"
#include "palette.h"
#include "toy_block.h"

namespace assetgen {
namespace {

constexpr int kSizes[] = {16, 32, 48};  // pixels
// The hicolor icon theme's folders the game's desktop icon goes into.
constexpr int kDesktopSizes[] = {16, 32, 48, 64, 128, 256};  // pixels

using Drawing = std::function<void(Image&, float u)>;  // u: pixels per 1/48 of the icon

void Keyboard(Image& image, float u) {
  const Shape body = RoundedBox({1 * u, 12 * u, 47 * u, 40 * u}, 4 * u);
  Fill(image, body.Grown(1.2f * u), kInk);
  Fill(image, body, VerticalGradient(12 * u, Rgb(110, 118, 140), 40 * u, Rgb(60, 66, 84)));
  const int columns = u < 0.5f ? 4 : 7, rows = u < 0.5f ? 2 : 3;
  const float pitch = 42.0f / columns, row_pitch = 18.0f / (rows + 1);
  for (int r = 0; r < rows + 1; ++r) {
    for (int c = 0; c < columns; ++c) {
      const bool space = r == rows;
      if (space && c != 1) continue;
      const float x0 = (3 + c * pitch) * u, y0 = (15 + r * row_pitch + r * 0.6f) * u;
      const float x1 = space ? (3 + 5 * pitch - 1.4f) * u : x0 + (pitch - 1.4f) * u;
      Fill(image, RoundedBox({x0, y0, x1, y0 + (row_pitch - 0.8f) * u}, 1.2f * u),
           Rgb(238, 240, 248));
    }
  }
}

void Padlock(Image& image, float u) {
  const Shape ring = Circle(36 * u, 24 * u, 8 * u).Minus(Circle(36 * u, 24 * u, 4.6f * u));
  const Shape shackle =
      ring.Minus(Shape([u](float, float y) { return 24 * u - y; }, {0, 24 * u, 48 * u, 48 * u}))
          .Plus(RoundedBox({28 * u, 24 * u, 31.4f * u, 30 * u}, 0))
          .Plus(RoundedBox({40.6f * u, 24 * u, 44 * u, 30 * u}, 0));
  const Shape body = RoundedBox({24 * u, 28 * u, 48 * u, 47 * u}, 3.5f * u);
  Fill(image, shackle.Grown(1.2f * u), kInk);
  Fill(image, shackle, Rgb(200, 205, 215));
  PaintGlossy(image, body, Rgb(255, 190, 30), {.rim = 1.4f * u, .rim_colour = kInk});
  Fill(image,
       Circle(36 * u, 36 * u, 2.4f * u).Plus(Segment({36 * u, 36 * u}, {36 * u, 42 * u}, 1.2f * u)),
       kInk);
}

void Gear(Image& image, float u) {
  const float cx = 36 * u, cy = 35 * u;
  Shape gear = Circle(cx, cy, 8.5f * u);
  for (int i = 0; i < 8; ++i) {
    gear = gear.Plus(RoundedBox({cx - 2.6f * u, cy - 12 * u, cx + 2.6f * u, cy}, 1 * u)
                         .Rotated(cx, cy, i * 0.785398f));
  }
  gear = gear.Minus(Circle(cx, cy, 3.6f * u));
  Fill(image, gear.Grown(1.3f * u), kInk);
  PaintGlossy(image, gear, Rgb(60, 170, 255), {});
}

Bytes Icon(const Drawing& drawing) {
  std::vector<Image> images;
  for (int size : kSizes) {
    Image image(size, size, Rgb(0, 0, 0, 0));
    drawing(image, size / 48.0f);
    images.push_back(std::move(image));
  }
  return EncodeIco(images);
}

void GameIcon(Image& image, float u, const Font& font) {
  PaintToyBlock(image, 0.5f * u, 0.5f * u, 47 * u, font);
}

}  // namespace

void WriteProgramIcons(Output& out, const Font& font) {
  out.Icon("wob.ico", Icon([&font](Image& image, float u) { GameIcon(image, u, font); }));
  for (int size : kDesktopSizes) {
    Image image(size, size, Rgb(0, 0, 0, 0));
    GameIcon(image, size / 48.0f, font);
    out.Icon("wob-" + std::to_string(size) + ".png", EncodePng(image));
  }
  out.Icon("muzzle.ico", Icon([](Image& image, float u) {
             Keyboard(image, u);
             Padlock(image, u);
           }));
  out.Icon("muzcfg.ico", Icon([](Image& image, float u) {
             Keyboard(image, u);
             Gear(image, u);
           }));
}

}  // namespace assetgen
