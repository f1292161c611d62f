// The paint screen's brush cursors: a plain brush and one per colour with painted bristles.
#include <string>

#include "brush.h"
#include "families.h"
#include "palette.h"

namespace assetgen {
namespace {

constexpr int kSize = 32;  // pixels
// The paint screen paints each dot 125 twips left of and below the hot spot (16, 16), about
// 8 px at 96 DPI, so the bristles' tip sits at (8, 24) with the handle up to the right.
constexpr Point kTip{7.6f, 24.4f};
constexpr Point kEnd{28.5f, 3.5f};

const struct {
  const char* name;
  Colour bristles;
} kBrushes[] = {
    {"paintbrush.ico", Rgb(250, 236, 200)}, {"bluebrush.ico", Rgb(51, 0, 255)},
    {"greenbrush.ico", Rgb(1, 204, 0)},     {"redbrush.ico", Rgb(245, 0, 0)},
    {"orangebrush.ico", Rgb(251, 105, 4)},  {"yellowbrush.ico", Rgb(255, 255, 0)},
    {"purplebrush.ico", Rgb(103, 0, 153)},
};

}  // namespace

void WriteBrushCursors(Output& out) {
  for (const auto& brush : kBrushes) {
    Image image(kSize, kSize, Rgb(0, 0, 0, 0));
    PaintBrush(image, kTip, kEnd, 8.5f, brush.bristles, 1.3f);
    out.App(brush.name, EncodeIco({image}));
  }
}

}  // namespace assetgen
