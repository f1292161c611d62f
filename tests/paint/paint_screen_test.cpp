// Scenario tests of frmPaint: the colour at opening, painting with the pen down or lifted, clear,
// exit.
#include <set>

#include "tests/paint/paint_fixture.h"

namespace paint_test {
namespace {

using PaintScreenTest = PaintFixture;

struct ColourCase {
  const char* button;
  forms::Color pen;
  const char* brush;
};

const ColourCase kColours[] = {
    {"cmdSquare", forms::Rgb(51, 0, 255), "\\bluebrush.ico"},
    {"cmdCircle", forms::Rgb(1, 204, 0), "\\greenbrush.ico"},
    {"cmdTriangle", forms::Rgb(245, 0, 0), "\\redbrush.ico"},
    {"cmdDiamond", forms::Rgb(251, 105, 4), "\\orangebrush.ico"},
    {"cmdHeart", forms::Rgb(255, 255, 0), "\\yellowbrush.ico"},
    {"cmdStar", forms::Rgb(103, 0, 153), "\\purplebrush.ico"},
};

const ColourCase& CaseOf(const std::string& button) {
  for (const ColourCase& colour : kColours) {
    if (button == colour.button) return colour;
  }
  ADD_FAILURE() << "no colour button named '" << button << "'";
  return kColours[0];
}

// The pressed button, the cursor and the pen tell the same colour.
void ExpectOneColourChosen(PaintFixture& f) {
  const std::string pressed = PressedButton(f.screen, wobtest::AppDir());
  ASSERT_NE(pressed, "") << "exactly one colour button shows its down picture";
  const ColourCase& colour = CaseOf(pressed);
  EXPECT_EQ(forms::Rgb(f.screen.PenRed, f.screen.PenGreen, f.screen.PenBlue), colour.pen);
  EXPECT_TRUE(SameAsAsset(f.screen.MouseIcon(), wobtest::AppDir(), colour.brush)) << pressed;
  EXPECT_EQ(f.screen.MousePointer(), forms::kPointerCustom);
}

TEST_F(PaintScreenTest, OpensWithOneColourChosenAndABlankDrawingArea) {
  Open();
  ExpectOneColourChosen(*this);
  EXPECT_EQ(screen.Caption(), "Kinderkit");
  EXPECT_TRUE(screen.KeyPreview());
  EXPECT_TRUE(screen.Visible());
  EXPECT_EQ(Picture1().DrawWidth(), 10);
  EXPECT_EQ(Picture1().BackColor(), kWhite);
  EXPECT_EQ(PaintedPixels(), 0);
  EXPECT_EQ(screen.PenLifted, 0);
  EXPECT_EQ(screen.Get<forms::CommandButton>("cmdClear").Caption(), "Clear");
  EXPECT_EQ(screen.Get<forms::CommandButton>("cmdExit").Caption(), "Exit");
}

TEST_F(PaintScreenTest, EachColourButtonChoosesItsColourBrushAndDownPicture) {
  Open();
  for (const ColourCase& colour : kColours) {
    SCOPED_TRACE(colour.button);
    scenario.Click(Button(colour.button));
    ExpectOneColourChosen(*this);
    EXPECT_EQ(PressedButton(screen, wobtest::AppDir()), colour.button);
    EXPECT_EQ(Pen(), colour.pen);
    MoveOver(60, 60);
    ExpectDotFor(60, 60, colour.pen);
  }
}

TEST_F(PaintScreenTest, MovingPaintsOneDotPerMoveAtTheOffset) {
  Open();
  MoveOver(100, 100);
  ExpectDotFor(100, 100, Pen());
  MoveOver(400, 250);
  ExpectDotFor(400, 250, Pen());
  EXPECT_EQ(Picture1().PixelAt(DotX(250), DotY(175)), kWhite) << "no line joins the dots";
}

TEST_F(PaintScreenTest, HoldingAnyButtonLiftsThePenUntilTheRelease) {
  Open();
  for (const int mouse_button : {1, 2, 4}) {
    SCOPED_TRACE(mouse_button);
    MoveOver(100, 100);
    const int before = PaintedPixels();
    const forms::PixelRect box = Picture1().BoundsOnForm();
    scenario.MouseDownAt(screen, box.x + 100, box.y + 100, mouse_button);
    EXPECT_EQ(screen.PenLifted, 1);
    for (int x = 120; x <= 300; x += 20) MoveOver(x, 150, mouse_button);
    scenario.MouseUpAt(screen, box.x + 300, box.y + 150, mouse_button);
    EXPECT_EQ(screen.PenLifted, 0);
    EXPECT_EQ(PaintedPixels(), before) << "a drag paints nothing";
    MoveOver(320, 200);
    ExpectDotFor(320, 200, Pen());
    scenario.Click(screen.Get<forms::Control>("cmdClear"));
  }
}

TEST_F(PaintScreenTest, AClickWithoutMovingPaintsNothing) {
  Open();
  MoveOver(200, 200);
  const int before = PaintedPixels();
  DownOver(200, 200);
  UpOver(200, 200);
  EXPECT_EQ(PaintedPixels(), before);
  EXPECT_EQ(screen.PenLifted, 0);
}

// Pixels of the form left of and below the drawing area, where clipped dots would spill.
std::vector<forms::Color> Surroundings(PaintFixture& f) {
  const forms::PixelRect box = f.Picture1().BoundsOnForm();
  std::vector<forms::Color> pixels;
  for (int y = box.y; y < box.y + box.h + 12; ++y) {
    for (int x = box.x - 12; x < box.x; ++x) pixels.push_back(f.screen.Drawing()->At(x, y));
  }
  for (int y = box.y + box.h; y < box.y + box.h + 12; ++y) {
    for (int x = box.x; x < box.x + 60; ++x) pixels.push_back(f.screen.Drawing()->At(x, y));
  }
  return pixels;
}

TEST_F(PaintScreenTest, DotsAtTheEdgesAreClipped) {
  Open();
  const forms::PixelRect box = Picture1().BoundsOnForm();
  const std::vector<forms::Color> before = Surroundings(*this);
  for (int y = 0; y < box.h; y += 7) MoveOver(0, y);
  for (int x = 0; x < box.w; x += 7) MoveOver(x, box.h - 1);
  MoveOver(5, box.h - 6);
  EXPECT_EQ(Surroundings(*this), before) << "nothing painted outside the drawing area";
  EXPECT_EQ(Picture1().PixelAt(0, DotY(100)), kWhite) << "a dot left of the area is all cut";
  EXPECT_EQ(Picture1().PixelAt(0, box.h - 1), Pen()) << "a dot across the corner shows in part";
  MoveOver(box.w - 1, 0);
  ExpectDotFor(box.w - 1, 0, Pen());
}

TEST_F(PaintScreenTest, ANewColourChangesOnlyLaterDots) {
  Open();
  scenario.Click(Button("cmdSquare"));
  MoveOver(100, 100);
  scenario.Click(Button("cmdTriangle"));
  MoveOver(300, 100);
  ExpectDotFor(100, 100, forms::Rgb(51, 0, 255));
  ExpectDotFor(300, 100, forms::Rgb(245, 0, 0));
}

TEST_F(PaintScreenTest, ClearWipesTheDrawingAndKeepsColourAndCursor) {
  Open();
  scenario.Click(Button("cmdDiamond"));
  for (int x = 50; x < 500; x += 3) MoveOver(x, 120);
  ASSERT_GT(PaintedPixels(), 0);
  scenario.Click(screen.Get<forms::Control>("cmdClear"));
  EXPECT_EQ(PaintedPixels(), 0);
  EXPECT_EQ(PressedButton(screen, wobtest::AppDir()), "cmdDiamond");
  EXPECT_TRUE(SameAsAsset(screen.MouseIcon(), wobtest::AppDir(), "\\orangebrush.ico"));
  MoveOver(200, 200);
  ExpectDotFor(200, 200, forms::Rgb(251, 105, 4));
}

TEST_F(PaintScreenTest, ExitUnloadsOnTheMouseRelease) {
  Open();
  auto& exit = screen.Get<forms::Control>("cmdExit");
  scenario.MouseDown(exit);
  EXPECT_FALSE(scenario.Finished()) << "the press alone does not leave";
  scenario.MouseUp(exit);
  EXPECT_TRUE(scenario.Finished());
  EXPECT_EQ(scenario.ExitCode(), 0);
  EXPECT_FALSE(screen.Loaded());
}

struct KeyCase {
  int key, shift;
  bool flips;
};

TEST_F(PaintScreenTest, OnlyCtrlAltSFlipsTheSoundSwitch) {
  Open();
  const KeyCase cases[] = {
      {83, 6, true},    // Ctrl+Alt+S
      {83, 7, false},   // Ctrl+Shift+Alt+S
      {83, 4, false},   // Alt+S
      {83, 2, false},   // Ctrl+S
      {83, 0, false},   // S
      {84, 6, false},   // Ctrl+Alt+T belongs to the main menu
      {115, 6, false},  // F4
  };
  for (const KeyCase& key : cases) {
    SCOPED_TRACE(testing::Message() << "key " << key.key << " shift " << key.shift);
    for (const bool start : {false, true}) {
      game.SoundSwitch = start;
      scenario.KeyDown(key.key, key.shift);
      scenario.KeyUp(key.key, key.shift);
      EXPECT_EQ(game.SoundSwitch, key.flips ? !start : start);
    }
  }
}

TEST_F(PaintScreenTest, TheSKeyAloneOnlyPicksAColour) {
  Open();
  game.SoundSwitch = true;
  for (int i = 0; i < 10; ++i) {
    scenario.Advance(1000);
    scenario.Press(83, 's');
    ExpectOneColourChosen(*this);
  }
  EXPECT_TRUE(game.SoundSwitch);
}

TEST_F(PaintScreenTest, KeysReachEverySixColours) {
  Open();
  std::set<std::string> seen;
  for (int i = 0; i < 150 && seen.size() < 6; ++i) {
    scenario.Advance(1000 + 17 * i);  // a new reseed from the timer at every press
    scenario.Press(65 + i % 26, 'a' + i % 26);
    seen.insert(PressedButton(screen, wobtest::AppDir()));
  }
  EXPECT_EQ(seen.size(), 6u);
  EXPECT_EQ(seen.count(""), 0u);
}

TEST_F(PaintScreenTest, AKeyFloodLeavesOneColourChosen) {
  Open();
  for (int i = 0; i < 200; ++i) scenario.Char('a' + i % 26);
  ExpectOneColourChosen(*this);
  MoveOver(100, 100);
  ExpectDotFor(100, 100, Pen());
}

}  // namespace
}  // namespace paint_test
