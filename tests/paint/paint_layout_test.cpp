// frmPaint's layout: sizes at the design size, proportions and margins on real screens.
#include "tests/paint/paint_fixture.h"

namespace paint_test {
namespace {

struct Box {
  float left, top, width, height;  // twips
};

Box BoxOf(const forms::Control& control) {
  return {control.Left(), control.Top(), control.Width(), control.Height()};
}

// The row from the right edge leftwards.
const char* const kRow[] = {"cmdSquare", "cmdCircle", "cmdDiamond",
                            "cmdHeart",  "cmdStar",   "cmdTriangle"};

class DesignSizeTest : public PaintFixture {
 protected:
  DesignSizeTest() : PaintFixture(404, 281) {}  // 6060 x 4215 twips at 15 twips a pixel
};

// Positions at the design size, each rounded to whole pixels of 15 twips.
TEST_F(DesignSizeTest, ButtonsSitInARowAlongTheBottom) {
  Open();
  const struct {
    const char* name;
    Box box;
  } cases[] = {
      {"cmdSquare", {5370, 3525, 495, 495}},  {"cmdCircle", {4665, 3525, 495, 495}},
      {"cmdDiamond", {3975, 3525, 495, 495}}, {"cmdHeart", {3285, 3525, 495, 495}},
      {"cmdStar", {2580, 3525, 495, 495}},    {"cmdTriangle", {1890, 3525, 495, 495}},
      {"cmdClear", {705, 3525, 990, 495}},    {"cmdExit", {195, 3525, 495, 495}},
      {"Picture1", {195, 195, 5655, 3120}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Box box = BoxOf(screen.Get<forms::Control>(c.name));
    EXPECT_FLOAT_EQ(box.left, c.box.left);
    EXPECT_FLOAT_EQ(box.top, c.box.top);
    EXPECT_FLOAT_EQ(box.width, c.box.width);
    EXPECT_FLOAT_EQ(box.height, c.box.height);
  }
}

// Margins and gaps stay 200 twips (within one pixel) whatever the screen, and the buttons
// grow with the screen's width and height separately.
void ExpectProportionalLayout(PaintFixture& f) {
  const float w = f.screen.Width(), h = f.screen.Height(), px = 15.0f;
  const float button_w = 495 * w / 6060, button_h = 495 * h / 4215;
  float right = w - 200;
  for (const char* name : kRow) {
    SCOPED_TRACE(name);
    const Box box = BoxOf(f.Button(name));
    EXPECT_NEAR(box.width, button_w, px);
    EXPECT_NEAR(box.height, button_h, px);
    EXPECT_NEAR(box.left + box.width, right, px);
    EXPECT_NEAR(box.top + box.height, h - 200, px);
    right = box.left - 200;
  }
  const Box clear = BoxOf(f.screen.Get<forms::Control>("cmdClear"));
  EXPECT_NEAR(clear.width, 2 * button_w, px);
  EXPECT_NEAR(clear.left + clear.width, right, 2 * px) << "200 twips left of the red button";
  const Box exit = BoxOf(f.screen.Get<forms::Control>("cmdExit"));
  EXPECT_NEAR(exit.left, 200, px);
  EXPECT_LE(exit.left + exit.width, clear.left) << "exit and clear do not overlap";
  const Box picture = BoxOf(f.Picture1());
  EXPECT_NEAR(picture.left, 200, px);
  EXPECT_NEAR(picture.top, 200, px);
  EXPECT_NEAR(w - picture.left - picture.width, 200, px);
  EXPECT_NEAR(exit.top - picture.top - picture.height, 200, 2 * px);
}

struct ScreenCase {
  int width_px, height_px;
};

class ScreenSizeTest : public PaintFixture, public testing::WithParamInterface<ScreenCase> {
 protected:
  ScreenSizeTest() : PaintFixture(GetParam().width_px, GetParam().height_px) {}
};

TEST_P(ScreenSizeTest, LayoutScalesWithTheScreen) {
  Open();
  EXPECT_FLOAT_EQ(screen.Width(), GetParam().width_px * 15.0f);
  EXPECT_FLOAT_EQ(screen.Height(), GetParam().height_px * 15.0f);
  EXPECT_FLOAT_EQ(screen.WidthRatio, screen.Width() / 6060);
  EXPECT_FLOAT_EQ(screen.HeightRatio, screen.Height() / 4215);
  ExpectProportionalLayout(*this);
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenSizeTest,
                         testing::Values(ScreenCase{404, 281}, ScreenCase{1920, 1080},
                                         ScreenCase{3840, 2160}, ScreenCase{600, 1000}));

class TinyScreenTest : public PaintFixture {
 protected:
  TinyScreenTest() : PaintFixture(120, 40) {}
};

TEST_F(TinyScreenTest, ATooSmallScreenKeepsTheDesignPlacesAndStillPaints) {
  Open();
  EXPECT_FALSE(scenario.Finished());
  EXPECT_FLOAT_EQ(Button("cmdSquare").Width(), 495);
  EXPECT_GT(Picture1().Width(), 0);
  MoveOver(20, 5);
  EXPECT_EQ(Picture1().PixelAt(DotX(20), DotY(5)), Pen());
}

}  // namespace
}  // namespace paint_test
