// Picture spawning as timelines: keys, pickers and clicks noted, pictures placed at the next tick.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "tests/activity/activity_fixture.h"

namespace activity_test {
namespace {

bool IsLetterPicture(const std::string& file) {
  return file.size() == 6 && file[0] == '\\' && file[1] >= 'A' && file[1] <= 'Z' &&
         file.substr(2) == ".jpg";
}

TEST(ActivitySpawn, EitherCaseOfALetterSpawnsItsCapital) {
  for (const char* typed : {"a", "A"}) {
    ActivityRun run(activity::kLetters);
    run.Open();
    run.Type(typed);
    EXPECT_EQ(run.PicturesPresent(), 0) << "input only leaves a note";
    run.Tick();
    EXPECT_EQ(run.Shown(1), "\\A.jpg") << typed;
    EXPECT_EQ(run.probe.SlotAt(1).BornTick, 1);
    EXPECT_TRUE(run.SlotControl(1)->Visible());
  }
}

TEST(ActivitySpawn, ThreeLettersInOneTickSpawnTheLast) {
  ActivityRun run(activity::kLetters);
  run.Open();
  run.Type("xbQ");
  run.Tick();
  EXPECT_EQ(run.PicturesPresent(), 1);
  EXPECT_EQ(run.Shown(1), "\\Q.jpg");
  EXPECT_EQ(run.probe.PendingPicture(), "");
  EXPECT_EQ(run.probe.PressCount(), 0);
}

TEST(ActivitySpawn, NonLetterKeysAndClicksSpawnARandomLetter) {
  ActivityRun run(activity::kLetters);
  run.Open();
  run.Type("5");
  run.Tick();
  run.Type(" \r");
  run.Tick();
  run.scenario.Click(run.screen.Get<forms::Frame>("Frame1"), 2);
  run.Tick();
  ASSERT_EQ(run.PicturesPresent(), 3);
  for (int slot = 1; slot <= 3; ++slot) EXPECT_TRUE(IsLetterPicture(run.Shown(slot))) << slot;
}

// The picker's spawn comes first in the tick, so it takes the typed letter; the spawn for the
// key gets a random letter.
TEST(ActivitySpawn, PickerAndLetterInOneTick) {
  ActivityRun run(activity::kLetters);
  run.Open();
  run.ReleasePicker("cmdStar");
  run.Type("k");
  run.Tick();
  ASSERT_EQ(run.PicturesPresent(), 2);
  EXPECT_EQ(run.Shown(1), "\\K.jpg");
  EXPECT_TRUE(IsLetterPicture(run.Shown(2)));
  EXPECT_EQ(run.probe.PickerChoice(), 0);
}

TEST(ActivitySpawn, TwoPickerReleasesSpawnTheLastGroup) {
  ActivityRun run(activity::kNumbers);
  run.Open();
  run.ReleasePicker("cmdSquare");
  run.ReleasePicker("cmdHeart", 4);
  run.Tick();
  ASSERT_EQ(run.PicturesPresent(), 1);
  EXPECT_EQ(run.Shown(1), "\\3Bounce.jpg");
}

TEST(ActivitySpawn, LetterGroupsPickOnlyTheirLetters) {
  ActivityRun run(activity::kLetters);
  run.Open();
  const std::set<std::string> star = {"\\E.jpg", "\\F.jpg", "\\G.jpg", "\\H.jpg"};
  for (int i = 0; i < 12; ++i) {
    run.ReleasePicker("cmdStar");
    run.Tick();
    EXPECT_TRUE(star.count(run.Shown(i + 1))) << run.Shown(i + 1);
  }
}

TEST(ActivitySpawn, NumbersDigitOnePickerIsTheTriangle) {
  ActivityRun run(activity::kNumbers);
  run.Open();
  auto& triangle = run.screen.Get<forms::Image>("cmdTriangle");
  run.scenario.MouseDown(triangle);
  EXPECT_EQ(run.screen.LoadedFile("cmdTriangle"), "\\1Down.jpg");
  run.scenario.MouseUp(triangle);
  EXPECT_EQ(run.screen.LoadedFile("cmdTriangle"), "\\1Up.jpg");
  EXPECT_EQ(run.probe.PickerChoice(), 3);
  run.Tick();
  EXPECT_EQ(run.Shown(1), "\\1Bounce.jpg");
}

TEST(ActivitySpawn, NumbersKeysNameDigitsOneToSix) {
  ActivityRun run(activity::kNumbers);
  run.Open();
  run.Type("4");
  run.Tick();
  EXPECT_EQ(run.Shown(1), "\\4Bounce.jpg");
  const std::set<std::string> digits = {"\\1Bounce.jpg", "\\2Bounce.jpg", "\\3Bounce.jpg",
                                        "\\4Bounce.jpg", "\\5Bounce.jpg", "\\6Bounce.jpg"};
  std::set<std::string> seen;
  for (int slot = 2; slot <= 16; ++slot) {
    run.scenario.Advance(17 * slot);  // move the clock so reseeds differ
    run.Type("7");
    run.Tick();
    EXPECT_TRUE(digits.count(run.Shown(slot))) << run.Shown(slot);
    seen.insert(run.Shown(slot));
  }
  EXPECT_GE(seen.size(), 3u);
}

TEST(ActivitySpawn, ShapesIgnoreThePendingPicture) {
  ActivityRun run(activity::kShapes);
  run.Open();
  run.Type("a1");
  EXPECT_EQ(run.probe.PendingPicture(), "");
  run.probe.PendingPicture() = "\\A.jpg";
  run.ReleasePicker("cmdDiamond");
  run.Tick();
  EXPECT_EQ(run.Shown(1), "\\diaBounce.jpg");
  EXPECT_EQ(run.probe.PendingPicture(), "\\A.jpg");
}

// Three slots full of pictures; all 30 taken spawns nothing, and the letter typed meanwhile
// waits for the first spawn that finds a free slot.
TEST(ActivitySpawn, FullSlotsKeepThePendingLetter) {
  ActivityRun run(activity::kLetters);
  run.Open();
  for (int i = 0; i < 15; ++i) {
    run.ReleasePicker("cmdSquare");
    run.Type("1");
    run.Tick();
  }
  ASSERT_EQ(run.PicturesPresent(), 30);
  run.Type("k");
  run.Tick();
  EXPECT_EQ(run.PicturesPresent(), 30);
  EXPECT_EQ(run.probe.PendingPicture(), "\\K.jpg");
  // Slots 1 and 2 were spawned in tick 1 and go in tick 27; the next spawn takes slot 1.
  while (run.probe.TickCount() < 26) {
    run.Type("2");
    run.Tick();
    EXPECT_EQ(run.PicturesPresent(), 30);
  }
  EXPECT_EQ(run.probe.PendingPicture(), "\\K.jpg");
  run.Type("2");
  run.Tick();
  EXPECT_EQ(run.Shown(1), "\\K.jpg");
  EXPECT_EQ(run.probe.SlotAt(1).BornTick, 27);
  EXPECT_EQ(run.SlotControl(2), nullptr);
  EXPECT_EQ(run.probe.PendingPicture(), "");
}

void ExpectPlacedWell(ActivityRun& run) {
  const auto& frame = run.screen.Get<forms::Frame>("Frame1");
  for (int a = 1; a <= activity::kSlotCount; ++a) {
    const forms::Control* pa = run.SlotControl(a);
    if (pa == nullptr) continue;
    ASSERT_GE(pa->Left(), 1);
    ASSERT_GE(pa->Top(), 1);
    ASSERT_LE(pa->Left() + pa->Width(), frame.Width());
    ASSERT_LE(pa->Top() + pa->Height(), frame.Height());
    for (int b = a + 1; b <= activity::kSlotCount; ++b) {
      const forms::Control* pb = run.SlotControl(b);
      if (pb != nullptr) {
        ASSERT_TRUE(ClearOf(*pa, *pb)) << a << " and " << b;
      }
    }
  }
}

// Many spawns: no picture overlaps or touches another, and each stands at least 1 twip inside
// the frame. Returns the number of pictures spawned.
int SpawnAndCheck(ActivityRun& run, int ticks, int ticks_per_key) {
  int spawned = 0;
  for (int tick = 0; tick < ticks; ++tick) {
    if (tick % ticks_per_key == 0) run.Type("x");
    run.Tick();
    for (int slot = 1; slot <= activity::kSlotCount; ++slot) {
      spawned += run.probe.SlotAt(slot).BornTick == run.probe.TickCount();
    }
    ExpectPlacedWell(run);
    if (::testing::Test::HasFatalFailure()) break;
  }
  return spawned;
}

// A key every tick keeps the play area crowded, near where no clear spot is left.
TEST(ActivitySpawn, CrowdedPicturesNeverOverlapOrTouch) {
  ActivityRun run(activity::kShapes, 1024, 768, TinyPictureAppDir(activity::kShapes));
  run.Open();
  EXPECT_GT(SpawnAndCheck(run, 300, 1), 290);
}

TEST(ActivitySpawn, AThousandPicturesNeverOverlapOrTouch) {
  ActivityRun run(activity::kShapes, 800, 600, TinyPictureAppDir(activity::kShapes));
  run.Open();
  EXPECT_GT(SpawnAndCheck(run, 2000, 2), 990);
}

// At the design size a spot lies in 1..2625 down and 1..5165 across (whole pixels, rounded up).
TEST(ActivitySpawn, SpotsCoverTheFrameAtTheDesignSize) {
  ActivityRun run(activity::kLetters, 404, 281);
  run.Open();
  float min_top = 1e9f, max_top = 0, min_left = 1e9f, max_left = 0;
  for (int i = 0; i < 400; ++i) {
    run.scenario.Advance(13);  // the search reseeds from the clock
    ASSERT_TRUE(run.screen.testDo());
    min_top = std::min(min_top, run.probe.NewTop());
    max_top = std::max(max_top, run.probe.NewTop());
    min_left = std::min(min_left, run.probe.NewLeft());
    max_left = std::max(max_left, run.probe.NewLeft());
  }
  EXPECT_GE(min_top, 1);
  EXPECT_LE(max_top, 3120 - 495);
  EXPECT_GE(min_left, 1);
  EXPECT_LE(max_left, 5655 - 495);
  EXPECT_GT(max_top - min_top, 2000);
  EXPECT_GT(max_left - min_left, 4000);
}

// A frame with room for one picture only: the second spawn gives up, nothing hangs, and the
// letter typed for it stays pending.
TEST(ActivitySpawn, SearchGivesUpWhenNoSpotIsClear) {
  ActivityRun run(activity::kLetters, 30, 60);
  run.Open();
  run.Type("a");
  run.Tick();
  ASSERT_EQ(run.PicturesPresent(), 1);
  run.Type("b");
  run.Tick();
  EXPECT_EQ(run.PicturesPresent(), 1);
  EXPECT_EQ(run.probe.PendingPicture(), "\\B.jpg");
  EXPECT_EQ(run.probe.TickCount(), 2);
  EXPECT_FALSE(run.screen.testDo());
  EXPECT_EQ(run.probe.Candidates(), activity::kMaxCandidates);
}

// Hundreds of keys between two ticks still make one picture a tick.
TEST(ActivitySpawn, KeyFloodSpawnsOnePictureATick) {
  ActivityRun run(activity::kLetters);
  run.Open();
  for (int tick = 1; tick <= 3; ++tick) {
    for (int i = 0; i < 300; ++i) run.scenario.Press(65 + i % 26, 'a' + i % 26);
    run.Tick();
    EXPECT_EQ(run.PicturesPresent(), tick);
  }
  EXPECT_EQ(run.Shown(3), "\\N.jpg");  // 299 % 26 = 13: the last key was n
}

// A letter picture that cannot be loaded: the half-made control goes and the slot stays usable.
TEST(ActivitySpawn, MissingLetterPictureLeavesTheSlotUsable) {
  const std::string dir = wobtest::CopyAppDir();
  std::filesystem::remove(std::filesystem::path(dir) / "A.jpg");
  ActivityRun run(activity::kLetters, 1024, 768, dir);
  run.Open();
  run.Type("a");
  run.Tick();
  EXPECT_EQ(run.PicturesPresent(), 0);
  EXPECT_EQ(run.probe.SlotAt(1).BornTick, 0);
  EXPECT_EQ(run.probe.PendingPicture(), "");
  EXPECT_TRUE(run.scenario.Platform().message_boxes.empty());
  run.Type("b");
  run.Tick();
  EXPECT_EQ(run.Shown(1), "\\B.jpg");
  EXPECT_FALSE(run.scenario.Finished());
}

}  // namespace
}  // namespace activity_test
