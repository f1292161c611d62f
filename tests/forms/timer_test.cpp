// Timer ticks on the virtual clock: cadence, no re-entry, no bursts, ticking under a modal form.
#include <gtest/gtest.h>

#include <vector>

#include "tests/forms/script_form.h"
#include "tests/lib/scenario.h"

namespace {

using formtest::ScriptForm;

forms::Timer& AddTimer(ScriptForm& f, int interval_ms) {
  auto& timer = f.AddControl<forms::Timer>("Timer1");
  timer.SetInterval(interval_ms);
  timer.SetEnabled(true);
  return timer;
}

TEST(Timers, TickEveryIntervalOfVirtualTime) {
  wobtest::Scenario s;
  auto& form = s.Make<ScriptForm>();
  std::vector<double> ticks;
  form.design = [&](ScriptForm& f) {
    AddTimer(f, 250).on_tick = [&] { ticks.push_back(s.Platform().NowMs()); };
  };
  s.Start(form);
  s.Advance(1000);
  EXPECT_EQ(ticks, (std::vector<double>{250, 500, 750, 1000}));
  s.Advance(249);
  EXPECT_EQ(ticks.size(), 4u);
  form.Get<forms::Timer>("Timer1").SetEnabled(false);
  s.Advance(1000);
  EXPECT_EQ(ticks.size(), 4u);
}

TEST(Timers, SlowTickCallingDoEventsIsNotReenteredAndDoesNotBurst) {
  wobtest::Scenario s;
  auto& form = s.Make<ScriptForm>();
  std::vector<double> ticks;
  int depth = 0, deepest = 0;
  form.design = [&](ScriptForm& f) {
    AddTimer(f, 250).on_tick = [&] {
      ticks.push_back(s.Platform().NowMs());
      deepest = std::max(deepest, ++depth);
      if (ticks.size() == 1) {
        s.Platform().Spend(600);  // this tick takes more than two intervals
        s.App().DoEvents();
      }
      --depth;
    };
  };
  s.Start(form);
  s.Advance(1400);
  EXPECT_EQ(deepest, 1);
  EXPECT_EQ(ticks, (std::vector<double>{250, 1100, 1350}));
}

TEST(Timers, InputWaitingDuringATickIsHandledByItsDoEvents) {
  wobtest::Scenario s;
  auto& form = s.Make<ScriptForm>();
  std::string order;
  form.key_press = [&](int) { order += 'k'; };
  form.design = [&](ScriptForm& f) {
    AddTimer(f, 100).on_tick = [&] {
      order += 't';
      forms::Event key;
      key.kind = forms::Event::Kind::kChar;
      key.window = form.window;
      key.ch = 'x';
      s.Platform().Post(key);  // arrives while the tick runs
      s.App().DoEvents();
      order += 'd';
    };
  };
  s.Start(form);
  s.Advance(100);
  EXPECT_EQ(order, "tkd");
}

TEST(Timers, FormBelowAModalScreenKeepsTicking) {
  wobtest::Scenario s;
  auto& menu = s.Make<ScriptForm>();
  auto& screen = s.Make<ScriptForm>();
  int menu_ticks = 0, screen_ticks = 0;
  menu.design = [&](ScriptForm& f) { AddTimer(f, 100).on_tick = [&] { ++menu_ticks; }; };
  screen.design = [&](ScriptForm& f) { AddTimer(f, 250).on_tick = [&] { ++screen_ticks; }; };
  menu.key_press = [&](int) { s.App().ShowModal(screen); };
  s.Start(menu);
  s.Char('a');
  s.Advance(1000);
  EXPECT_EQ(menu_ticks, 10);
  EXPECT_EQ(screen_ticks, 4);
}

TEST(Timers, TickThatUnloadsItsOwnFormTouchesNothingDestroyed) {
  wobtest::Scenario s;
  auto& splash = s.Make<ScriptForm>(false);
  auto& menu = s.Make<ScriptForm>();
  int ticks = 0;
  splash.design = [&](ScriptForm& f) {
    AddTimer(f, 500).on_tick = [&] {
      if (++ticks == 10) splash.Unload();
    };
  };
  splash.unload = [&](ScriptForm&) { menu.Show(); };
  s.Start(splash);
  s.Advance(4999);
  EXPECT_TRUE(splash.Loaded());
  s.Advance(1);
  EXPECT_FALSE(splash.Loaded());
  EXPECT_TRUE(menu.Loaded());
  s.Advance(5000);
  EXPECT_EQ(ticks, 10);
}

}  // namespace
