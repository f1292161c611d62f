// Promises of the runtime that a slip could break without any other test noticing: the scaler's
// no-scale shortcut, the cap on events per DoEvents, key routing under a modal screen, and the
// unload order.
#include <gtest/gtest.h>

#include <vector>

#include "game/forms/picture_scaler.h"
#include "tests/forms/script_form.h"
#include "tests/lib/scenario.h"

namespace {

using formtest::ScriptForm;

// Rows of one colour each, from red at the top to blue at the bottom.
forms::Picture Stripes(int width, int height) {
  std::vector<std::uint32_t> argb;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t blue = 255u * y / (height - 1);
    argb.insert(argb.end(), width, 0xFF000000u | ((255u - blue) << 16) | blue);
  }
  return forms::Picture(width, height, std::move(argb));
}

TEST(Contracts, ScalingKeepsTheNoScaleShortcutForTheSameSizeOnly) {
  const forms::Picture source = Stripes(8, 6);
  const struct {
    int width, height;
  } targets[] = {{8, 6}, {8, 3}, {8, 12}, {4, 6}, {16, 6}, {1, 1}};
  for (const auto& t : targets) {
    const std::vector<std::uint32_t> out = forms::ScalePicture(source, t.width, t.height);
    ASSERT_EQ(out.size(), static_cast<std::size_t>(t.width) * t.height)
        << t.width << "x" << t.height;
    // The top row stays the reddest and the bottom row the bluest: the whole picture is there.
    const std::uint32_t top = out.front(), bottom = out.back();
    if (t.height > 1) {
      EXPECT_GT((top >> 16) & 0xFF, (bottom >> 16) & 0xFF) << t.width << "x" << t.height;
      EXPECT_LT(top & 0xFF, bottom & 0xFF) << t.width << "x" << t.height;
    }
  }
}

TEST(Contracts, InputFloodFasterThanItIsHandledLetsTheTimerTick) {
  wobtest::Scenario s;
  auto& form = s.Make<ScriptForm>();
  std::vector<double> ticks;
  int flood_left = 20000;
  form.design = [&](ScriptForm& f) {
    auto& timer = f.AddControl<forms::Timer>("Timer1");
    timer.SetInterval(250);
    timer.SetEnabled(true);
    // As the activity screens' tick does: the event loop gets turns in the middle of it.
    timer.on_tick = [&] {
      ticks.push_back(s.Platform().NowMs());
      s.App().DoEvents();
    };
  };
  // Each key takes a millisecond to handle and brings the next one with it.
  form.key_press = [&](int) {
    s.Platform().Spend(1);
    if (--flood_left == 0) return;
    forms::Event next;
    next.kind = forms::Event::Kind::kChar;
    next.window = form.window;
    next.ch = 'x';
    s.Platform().Post(next);
  };
  s.Start(form);
  s.Char('x');  // returns once the 20 s of flood are handled
  int during_flood = 0;
  for (double at : ticks) during_flood += at < 20000;
  EXPECT_GE(during_flood, 40) << "ticks in 20 s of flood";
}

TEST(Contracts, KeysGoToTheModalScreenWhicheverWindowThePlatformNames) {
  wobtest::Scenario s;
  auto& menu = s.Make<ScriptForm>();
  auto& screen = s.Make<ScriptForm>();
  std::vector<int> to_menu, to_screen;
  menu.key_press = [&](int ch) {
    to_menu.push_back(ch);
    if (ch == 'o') s.App().ShowModal(screen);
  };
  screen.key_press = [&](int ch) { to_screen.push_back(ch); };
  s.Start(menu);
  s.Char('o');
  ASSERT_TRUE(screen.Loaded());
  const forms::WindowId addressed[] = {menu.window, screen.window, 0, 4242};
  int ch = 'a';
  for (forms::WindowId window : addressed) {
    forms::Event key;
    key.kind = forms::Event::Kind::kChar;
    key.window = window;
    key.ch = ch;
    s.Platform().Push(key);
    ASSERT_FALSE(to_screen.empty()) << "window " << window;
    EXPECT_EQ(to_screen.back(), ch) << "window " << window;
    ++ch;
  }
  EXPECT_EQ(to_menu, std::vector<int>{'o'});
}

TEST(Contracts, UnloadHandlerStillSeesTheFormsControls) {
  wobtest::Scenario s;
  auto& form = s.Make<ScriptForm>();
  std::vector<std::string> seen;
  form.design = [](ScriptForm& f) {
    f.AddControl<forms::Label>("lblName").SetCaption("still here");
    f.AddImage("imgAdded", nullptr);
  };
  form.unload = [&](ScriptForm& f) {
    for (const char* name : {"lblName", "imgAdded"}) {
      if (f.Find(name) != nullptr) seen.push_back(name);
    }
    seen.push_back(f.Get<forms::Label>("lblName").Caption());
  };
  form.key_press = [&](int) { form.Unload(); };
  s.Start(form);
  s.Char('x');
  EXPECT_EQ(seen, (std::vector<std::string>{"lblName", "imgAdded", "still here"}));
  EXPECT_EQ(form.Find("lblName"), nullptr);
}

}  // namespace
