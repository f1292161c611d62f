// frmPaint shown modally over another form, closed and opened again: what a new opening keeps.
#include <set>

#include "tests/paint/paint_fixture.h"

namespace paint_test {
namespace {

// Stands in for the main menu: one button that opens the paint screen modally.
class MenuStandIn : public forms::Form {
 public:
  MenuStandIn(forms::Application& app, forms::Form& paint) : forms::Form(app), paint_(paint) {}

 protected:
  void Design() override {
    SetMaximised(true);
    auto& open = Add<forms::CommandButton>("cmdOpen", nullptr);
    open.SetWidth(1500);
    open.SetHeight(1500);
    open.on_click = [this] { App().ShowModal(paint_); };
  }

 private:
  forms::Form& paint_;
};

class PaintReopenTest : public PaintFixture {
 protected:
  PaintReopenTest() : menu(scenario.Make<MenuStandIn>(screen)) {}
  void OpenFromMenu() { scenario.Click(menu.Get<forms::Control>("cmdOpen")); }
  void Exit() { scenario.Click(screen.Get<forms::Control>("cmdExit")); }
  MenuStandIn& menu;
};

TEST_F(PaintReopenTest, ReopeningStartsBlankWithAColourAndKeepsPenLifted) {
  scenario.Start(menu);
  OpenFromMenu();
  for (int x = 40; x < 400; x += 4) MoveOver(x, 80);
  ASSERT_GT(PaintedPixels(), 0);
  scenario.Click(Button("cmdStar"));
  // Only a press that never got its release leaves the pen lifted at closing.
  screen.PenLifted = 1;
  Exit();
  scenario.Advance(5000);
  OpenFromMenu();
  ASSERT_TRUE(screen.Loaded());
  EXPECT_EQ(PaintedPixels(), 0);
  EXPECT_NE(PressedButton(screen, wobtest::AppDir()), "");
  EXPECT_EQ(screen.PenLifted, 1) << "the load leaves PenLifted as it was";
  MoveOver(200, 200);
  EXPECT_EQ(PaintedPixels(), 0) << "the pen is still lifted";
  DownOver(200, 200);
  UpOver(200, 200);
  MoveOver(220, 200);
  ExpectDotFor(220, 200, Pen());
}

TEST_F(PaintReopenTest, EachOpeningPicksItsColourAfresh) {
  scenario.Start(menu);
  std::set<forms::Color> pens;
  for (int i = 0; i < 40 && pens.size() < 3; ++i) {
    OpenFromMenu();
    pens.insert(Pen());
    scenario.Click(Button("cmdSquare"));
    Exit();
    scenario.Advance(1000 + 31 * i);
  }
  EXPECT_GE(pens.size(), 3u) << "openings do not all keep the colour of the last click";
}

}  // namespace
}  // namespace paint_test
