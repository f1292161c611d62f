// Helpers of the paint screen's scenario tests.
#include "tests/paint/paint_fixture.h"

namespace paint_test {

void PaintFixture::MoveOver(int x, int y, int buttons) {
  const forms::PixelRect box = Picture1().BoundsOnForm();
  scenario.MouseMoveTo(screen, box.x + x, box.y + y, buttons);
}

void PaintFixture::DownOver(int x, int y) {
  const forms::PixelRect box = Picture1().BoundsOnForm();
  scenario.MouseDownAt(screen, box.x + x, box.y + y);
}

void PaintFixture::UpOver(int x, int y) {
  const forms::PixelRect box = Picture1().BoundsOnForm();
  scenario.MouseUpAt(screen, box.x + x, box.y + y);
}

int PaintFixture::PaintedPixels() {
  const forms::PixelRect box = Picture1().BoundsOnForm();
  int painted = 0;
  for (int y = 0; y < box.h; ++y) {
    for (int x = 0; x < box.w; ++x) painted += Picture1().PixelAt(x, y) != kWhite;
  }
  return painted;
}

// The dot is 10 pixels across: 3 pixels from its centre is inside it whatever the rounding,
// 7 pixels is outside.
void PaintFixture::ExpectDotFor(int x, int y, forms::Color color) {
  const int cx = DotX(x), cy = DotY(y);
  auto& box = Picture1();
  EXPECT_EQ(box.PixelAt(cx, cy), color) << "dot centre for a move to " << x << "," << y;
  for (const auto& [dx, dy] : {std::pair{3, 0}, {-3, 0}, {0, 3}, {0, -3}}) {
    EXPECT_EQ(box.PixelAt(cx + dx, cy + dy), color) << "inside the dot at " << dx << "," << dy;
  }
  for (const auto& [dx, dy] : {std::pair{7, 0}, {-7, 0}, {0, 7}, {0, -7}}) {
    EXPECT_NE(box.PixelAt(cx + dx, cy + dy), color) << "outside the dot at " << dx << "," << dy;
  }
  EXPECT_NE(box.PixelAt(x, y), color) << "the pointer's own pixel is not painted";
}

bool SameAsAsset(const forms::PictureRef& picture, const std::string& dir,
                 const std::string& name) {
  if (!picture) return false;
  const forms::PictureRef asset = forms::LoadPicture(dir + name);
  return picture->Width() == asset->Width() && picture->Height() == asset->Height() &&
         picture->Pixels() == asset->Pixels();
}

std::string PressedButton(paint::PaintScreen& screen, const std::string& dir) {
  std::string pressed;
  int count = 0;
  for (const paint::PaintColor& color : paint::kPaintColors) {
    const auto& picture = screen.Get<forms::Image>(color.button).Picture();
    if (SameAsAsset(picture, dir, color.down_picture)) {
      pressed = color.button;
      ++count;
    } else if (!SameAsAsset(picture, dir, color.up_picture)) {
      return {};
    }
  }
  return count == 1 ? pressed : std::string();
}

}  // namespace paint_test
