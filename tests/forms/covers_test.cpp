// Covers over the other displays: which displays get one, where they go, that they never keep
// the focus, and that they go with the last full-screen form.
#include <gtest/gtest.h>

#include "game/forms/monitor_covers.h"
#include "tests/forms/script_form.h"
#include "tests/lib/scenario.h"

namespace {

using forms::PixelRect;
using formtest::ScriptForm;

bool Same(const PixelRect& a, const PixelRect& b) {
  return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

struct DisplayCase {
  const char* what;
  std::vector<PixelRect> displays;  // the game's display, 1024 x 768 at 0, 0, comes first
  std::vector<PixelRect> covered;
};

const PixelRect kGame{0, 0, 1024, 768};
const PixelRect kRight{1024, 0, 1280, 1024};
const PixelRect kLeft{-1920, -200, 1920, 1080};

TEST(MonitorCovers, EveryOtherDisplayThatDoesNotOverlapTheGamesIsCovered) {
  const DisplayCase cases[] = {
      {"one display", {kGame}, {}},
      {"a second on the right", {kGame, kRight}, {kRight}},
      {"a second on the left, above", {kGame, kLeft}, {kLeft}},
      {"three displays", {kGame, kLeft, kRight}, {kLeft, kRight}},
      {"a mirror of the game's", {kGame, kGame}, {}},
      {"one overlapping the game's", {kGame, {1000, 0, 800, 600}}, {}},
      {"an empty one", {kGame, {2000, 0, 0, 768}}, {}},
      {"none listed", {}, {}},
  };
  for (const DisplayCase& c : cases) {
    const auto covered = forms::MonitorCovers::OtherDisplays(c.displays, kGame);
    ASSERT_EQ(covered.size(), c.covered.size()) << c.what;
    for (std::size_t i = 0; i < covered.size(); ++i)
      EXPECT_TRUE(Same(covered[i], c.covered[i])) << c.what << ", cover " << i;
  }
}

// A full-screen menu on a computer with a second display on the right.
struct TwoDisplays : testing::Test {
  TwoDisplays() : menu(s.Make<ScriptForm>()), box(s.Make<ScriptForm>(false)) {
    s.Platform().other_displays = {kRight};
  }
  const forms::HeadlessPlatform::WindowRecord& Cover(std::size_t i) {
    return *s.Platform().Window(s.App().CoverWindows().at(i));
  }
  void ClickOn(forms::WindowId window) {
    forms::Event event;
    event.kind = forms::Event::Kind::kMouseDown;
    event.window = window;
    event.button = 1;
    s.Platform().Push(event);
    event.kind = forms::Event::Kind::kMouseUp;
    s.Platform().Push(event);
  }

  wobtest::Scenario s;
  ScriptForm& menu;
  ScriptForm& box;  // a small form, not full-screen
};

TEST_F(TwoDisplays, AFullScreenFormCoversTheOtherDisplayWithoutTakingTheFocus) {
  s.Start(menu);
  ASSERT_EQ(s.App().CoverWindows().size(), 1u);
  const auto& cover = Cover(0);
  EXPECT_TRUE(cover.spec.cover);
  EXPECT_TRUE(Same(cover.spec.place, kRight));
  EXPECT_TRUE(cover.visible);
  EXPECT_EQ(cover.presents, 0);  // plain black: the platform's own
  EXPECT_EQ(s.Platform().focused, menu.window);
  EXPECT_EQ(s.Platform().ActiveWindow(), menu.window);
  s.Press('A', 'a');
  EXPECT_EQ(menu.log, "DLRKP");
}

TEST_F(TwoDisplays, AClickOnACoverHandsTheFocusBackAndAKeyThereReachesTheForm) {
  s.Start(menu);
  const forms::WindowId cover = s.App().CoverWindows().at(0);
  s.Platform().focused = 0;  // as if the system had given the cover the focus
  ClickOn(cover);
  EXPECT_EQ(s.Platform().focused, menu.window);
  EXPECT_EQ(menu.log, "DLR");  // the click itself reaches no form
  forms::Event key;
  key.kind = forms::Event::Kind::kKeyDown;
  key.window = cover;
  key.key = 'B';
  s.Platform().Push(key);
  EXPECT_EQ(menu.log, "DLRK");
}

TEST_F(TwoDisplays, ASmallFormAloneCoversNothing) {
  s.Start(box);
  EXPECT_TRUE(s.App().CoverWindows().empty());
}

TEST_F(TwoDisplays, CoversStayOnceUnderModalScreensAndGoWithTheLastFullScreenForm) {
  ScriptForm& screen = s.Make<ScriptForm>();
  menu.key_down = [&](int key, int) {
    if (key == 'M') s.App().ShowModal(screen);
    if (key == 'Q') menu.Unload();
  };
  screen.key_down = [&](int key, int) {
    if (key == 'X') screen.Unload();
  };
  s.Start(menu);
  const forms::WindowId cover = s.App().CoverWindows().at(0);
  s.Press('M', 0);
  ASSERT_TRUE(screen.Loaded());
  EXPECT_EQ(s.App().CoverWindows(), std::vector<forms::WindowId>{cover});
  EXPECT_EQ(s.Platform().ActiveWindow(), screen.window);
  s.Press('X', 0);
  EXPECT_EQ(s.App().CoverWindows(), std::vector<forms::WindowId>{cover});
  EXPECT_TRUE(s.Platform().Window(cover)->alive);
  s.Press('Q', 0);
  EXPECT_TRUE(s.Finished());
  EXPECT_TRUE(s.App().CoverWindows().empty());
  EXPECT_FALSE(s.Platform().Window(cover)->alive);
}

}  // namespace
