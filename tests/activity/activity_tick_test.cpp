// The timer tick as timelines: a picture's life, the firework sound and its gate, and the screen
// closing or reopening around ticks.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "tests/activity/activity_fixture.h"

namespace activity_test {
namespace {

struct Stage {
  int after;          // ticks after the spawn tick b
  const char* shows;  // "" when the control is gone
  int fire_stage;
  int plays;  // firework sounds asked for so far
};

// The life of one picture, spawned in tick b.
const Stage kLife[] = {
    {0, "\\A.jpg", 0, 0},          {20, "\\A.jpg", 0, 0},
    {21, "\\firework1.jpg", 1, 0}, {22, "\\firework2.jpg", 2, 1},
    {23, "\\firework2.jpg", 3, 1}, {24, "\\firework3.jpg", 4, 1},
    {25, "\\firework3.jpg", 5, 1}, {26, "", 0, 1},
};

void ExpectLife(ActivityRun& run, std::int64_t born) {
  for (const Stage& stage : kLife) {
    run.TickUntil(born + stage.after);
    EXPECT_EQ(run.Shown(1), stage.shows) << "b + " << stage.after;
    EXPECT_EQ(run.probe.SlotAt(1).FireStage, stage.fire_stage) << "b + " << stage.after;
    EXPECT_EQ(static_cast<int>(run.Plays().size()), stage.plays) << "b + " << stage.after;
  }
  EXPECT_EQ(run.probe.SlotAt(1).BornTick, 0);
}

TEST(ActivityTick, LifeOfAPicture) {
  ActivityRun run(activity::kLetters);
  run.Open();
  run.Type("a");
  run.Tick();  // b = 1, the screen's very first tick
  EXPECT_EQ(run.probe.SlotAt(1).BornTick, 1);
  ExpectLife(run, 1);
  ASSERT_EQ(run.Plays().size(), 1u);
  EXPECT_TRUE(run.Plays()[0].asynchronous);
  const std::string& path = run.Plays()[0].path;
  EXPECT_EQ(path.substr(path.size() - 10), "\\fire1.wav");
}

// Tick numbers stay exact far beyond 2^24 (where single precision stops counting) and beyond
// the 32-bit range: the burst still comes at b + 21, not a tick early or late.
TEST(ActivityTick, LifeIsOnTimeAfterManyTicks) {
  for (const std::int64_t start :
       {(std::int64_t{1} << 24), (std::int64_t{1} << 31) - 10, (std::int64_t{1} << 40) + 6}) {
    ActivityRun run(activity::kLetters);
    run.Open();
    run.probe.TickCount() = start;
    run.Type("a");
    run.Tick();
    ASSERT_EQ(run.probe.SlotAt(1).BornTick, start + 1);
    ExpectLife(run, start + 1);
  }
}

// The slot freed in a tick is taken by input waiting for that tick, under the same name.
TEST(ActivityTick, FreedSlotIsReusedInTheSameTick) {
  ActivityRun run(activity::kLetters);
  run.Open();
  run.Type("a");
  run.Tick();
  run.TickUntil(26);
  run.Type("z");
  run.Tick();
  ASSERT_NE(run.SlotControl(1), nullptr);
  EXPECT_EQ(run.Shown(1), "\\Z.jpg");
  EXPECT_EQ(run.probe.SlotAt(1).BornTick, 27);
  EXPECT_EQ(run.probe.SlotAt(1).FireStage, 0);
}

TEST(ActivityTick, TwoPicturesBurstTogetherAndSoundOnce) {
  ActivityRun run(activity::kLetters);
  run.Open();
  run.ReleasePicker("cmdHeart");
  run.Type("c");
  run.Tick();
  run.TickUntil(23);
  EXPECT_EQ(run.Shown(1), "\\firework2.jpg");
  EXPECT_EQ(run.Shown(2), "\\firework2.jpg");
  EXPECT_EQ(run.Plays().size(), 1u);
  run.TickUntil(27);
  EXPECT_EQ(run.PicturesPresent(), 0);
}

// Bursts reaching stage 2 at least 11 ticks apart each sound; closer ones after the first don't.
TEST(ActivityTick, SoundGateOfElevenTicks) {
  struct Case {
    int gap;  // ticks between the two spawns
    std::size_t plays;
  };
  for (const Case c : {Case{1, 1}, Case{10, 1}, Case{11, 2}, Case{15, 2}}) {
    ActivityRun run(activity::kNumbers);
    run.Open();
    run.Type("1");
    run.Tick();
    run.TickUntil(c.gap);
    run.Type("2");
    run.Tick();
    run.TickUntil(c.gap + 40);
    EXPECT_EQ(run.Plays().size(), c.plays) << "gap " << c.gap;
    EXPECT_EQ(run.probe.SoundGate(), 0);
  }
}

// With the switch off nothing is heard but the gate closes as usual; Ctrl+Alt+S turns it on for
// the next burst that finds the gate open.
TEST(ActivityTick, SoundSwitchOffSilencesButKeepsTheGate) {
  ActivityRun run(activity::kShapes);
  run.game.SoundSwitch = false;
  run.Open();
  run.Type("x");
  run.Tick();  // burst sound due in tick 23
  run.TickUntil(5);
  run.Type("x");
  run.Tick();  // due in tick 28, while the gate is closed
  run.TickUntil(12);
  run.Type("x");
  run.Tick();  // due in tick 35
  run.TickUntil(23);
  EXPECT_EQ(run.probe.SoundGate(), 2);
  run.scenario.KeyDown(kKeyS, kCtrlAlt);
  EXPECT_TRUE(run.game.SoundSwitch);
  run.TickUntil(34);
  EXPECT_EQ(run.Plays().size(), 0u);
  run.TickUntil(35);
  EXPECT_EQ(run.Plays().size(), 1u);
}

TEST(ActivityTick, MissingSecondFireworkKeepsTheFirst) {
  const std::string dir = wobtest::CopyAppDir();
  std::filesystem::remove(std::filesystem::path(dir) / "firework2.jpg");
  ActivityRun run(activity::kLetters, 1024, 768, dir);
  run.Open();
  run.Type("q");
  run.Tick();
  for (int tick : {22, 23, 24}) {
    run.TickUntil(tick);
    EXPECT_EQ(run.Shown(1), "\\firework1.jpg") << tick;
  }
  EXPECT_EQ(run.Plays().size(), 1u) << "the statement after the failed load still runs";
  run.TickUntil(25);
  EXPECT_EQ(run.Shown(1), "\\firework3.jpg");
  run.TickUntil(27);
  EXPECT_EQ(run.SlotControl(1), nullptr);
  EXPECT_TRUE(run.scenario.Platform().message_boxes.empty());
}

TEST(ActivityTick, MissingSoundFilePlaysNothingAndGoesOn) {
  const std::string dir = wobtest::CopyAppDir();
  std::filesystem::remove(std::filesystem::path(dir) / "fire1.wav");
  ActivityRun run(activity::kLetters, 1024, 768, dir);
  run.Open();
  run.Type("q");
  run.Tick();
  run.TickUntil(27);
  EXPECT_EQ(run.Plays().size(), 1u);
  EXPECT_EQ(run.PicturesPresent(), 0);
  EXPECT_FALSE(run.scenario.Finished());
}

TEST(ActivityTick, ReopenedScreenStartsEmpty) {
  ActivityRun run(activity::kLetters);
  run.OpenFromMenu();
  run.Type("abc");
  run.Tick();
  run.ReleasePicker("cmdSquare");
  run.Type("d");
  run.Tick();
  ASSERT_EQ(run.PicturesPresent(), 3);
  run.Type("e");  // pending when the screen closes
  run.scenario.Click(run.screen.Get<forms::CommandButton>("cmdExit"));
  ASSERT_FALSE(run.screen.Loaded());
  run.scenario.Char(' ');
  ASSERT_TRUE(run.screen.Loaded());
  EXPECT_EQ(run.PicturesPresent(), 0);
  for (int slot = 1; slot <= activity::kSlotCount; ++slot) {
    EXPECT_EQ(run.probe.SlotAt(slot).BornTick, 0);
    EXPECT_EQ(run.probe.SlotAt(slot).FireStage, 0);
  }
  EXPECT_EQ(run.probe.TickCount(), 2) << "the tick count belongs to the form object";
  run.Tick();
  EXPECT_EQ(run.Shown(1), "\\E.jpg");
  EXPECT_EQ(run.probe.SlotAt(1).BornTick, 3);
}

// The exit button released at one turn of a tick: the screen closes, the rest of the tick touches
// nothing of it (the sanitizers watch), and the run goes on. Turn 1 is in the first firework
// pass, 151 and 160 in the picker spawn's spot search, 200 in the key spawn's.
TEST(ActivityTick, ExitReleasedDuringATick) {
  for (const int close_at : {1, 75, 151, 160, 200}) {
    ActivityRun run(activity::kLetters);
    run.Open();
    for (int i = 0; i < 6; ++i) {
      run.ReleasePicker("cmdCircle");
      run.Type("m");
      run.Tick();
    }
    ASSERT_EQ(run.PicturesPresent(), 12);
    run.ReleasePicker("cmdDiamond");
    run.Type("s");
    auto& spy = run.scenario.Make<TurnSpy>(run.screen);
    spy.on_turn = [&](int turn) {
      if (turn == close_at) run.screen.Get<forms::CommandButton>("cmdExit").on_mouse_up({});
    };
    run.scenario.App().Show(spy);
    run.Tick();
    EXPECT_EQ(spy.turns, close_at) << "no turn after the close";
    EXPECT_FALSE(run.screen.Loaded());
    EXPECT_EQ(run.probe.TickCount(), 7);
    for (int slot = 1; slot <= activity::kSlotCount; ++slot) {
      EXPECT_EQ(run.probe.SlotAt(slot).BornTick, 0) << slot;
    }
    EXPECT_TRUE(run.scenario.Platform().message_boxes.empty());
    EXPECT_FALSE(run.scenario.Finished()) << "the spy's form is still loaded";
  }
}

// A tick that falls due while the previous one runs is dropped: made due again and again during
// a tick, Timer1 still ticks once, and no turn sees a second tick begin.
TEST(ActivityTick, TickDueDuringATickIsDropped) {
  ActivityRun run(activity::kNumbers);
  run.Open();
  run.ReleasePicker("cmdStar");
  run.Type("3");
  auto& spy = run.scenario.Make<TurnSpy>(run.screen);
  std::set<std::int64_t> ticks_seen;
  // Made due at the first 100 turns; the turn after each finds the tick running and drops it.
  spy.on_turn = [&](int turn) {
    ticks_seen.insert(run.probe.TickCount());
    if (turn > 100) return;
    run.screen.Get<forms::Timer>("Timer1").next_due_ms = run.scenario.Platform().NowMs();
  };
  run.scenario.App().Show(spy);
  run.Tick();
  EXPECT_GT(spy.turns, 150);
  EXPECT_EQ(ticks_seen, std::set<std::int64_t>{1});
  EXPECT_EQ(run.probe.TickCount(), 1);
  EXPECT_EQ(run.PicturesPresent(), 2);
  EXPECT_EQ(run.probe.PressCount(), 0);
  run.Tick();
  EXPECT_EQ(run.probe.TickCount(), 2);
}

}  // namespace
}  // namespace activity_test
