// Long play in virtual time: a key flood and picker presses leave the letters screen holding
// no more than it held after the first minute, and every slot is free once the fireworks end.
// A whole day of it is measured in bench/activity (BM_LettersDay); a few minutes here keep the
// suite quick.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "game/forms/picture_cache.h"
#include "tests/activity/activity_fixture.h"

namespace activity_test {
namespace {

constexpr int kTicksPerMinute = 60 * 1000 / kTickMs;
constexpr int kSoakMinutes = 3;
const char* const kPickers[] = {"cmdSquare",  "cmdCircle", "cmdTriangle",
                                "cmdDiamond", "cmdHeart",  "cmdStar"};

// What the screen and the runtime hold beside the pictures on show, which come and go: picture
// controls of no taken slot, and forms loaded.
struct Footprint {
  int stray_pictures;
  std::size_t loaded_forms;
  bool operator==(const Footprint&) const = default;
};

Footprint Measure(ActivityRun& run) {
  int taken = 0;
  for (int slot = 1; slot <= activity::kSlotCount; ++slot)
    taken += run.probe.SlotAt(slot).BornTick != 0;
  return {run.PicturesPresent() - taken, run.scenario.App().LoadedForms().size()};
}

std::ostream& operator<<(std::ostream& out, const Footprint& f) {
  return out << f.stray_pictures << " stray pictures, " << f.loaded_forms << " forms";
}

// The decoded pictures kept stay within the files the screen can show (beside those of
// earlier tests in the same process).
void ExpectCacheWithinTheScreensFiles(std::size_t cached_before) {
  const std::size_t files = TableFiles(activity::kLetters).size() + 3 + 10;  // fireworks, cursors
  EXPECT_LE(forms::LoadedPictures().Count(), cached_before + files);
  EXPECT_LE(forms::LoadedPictures().Bytes(), 12u * 1024 * 1024);
}

// One minute of a child on the keyboard: several keys between every two ticks, and a picker
// released every third tick.
void PlayOneMinute(ActivityRun& run, int minute) {
  static const std::string kFlood = "qwertyuiopasdfghjklzxcvbnm1234567890 ";
  for (int tick = 0; tick < kTicksPerMinute; ++tick) {
    const std::size_t at = (minute * kTicksPerMinute + tick) % (kFlood.size() - 4);
    run.Type(kFlood.substr(at, 4));
    if (tick % 3 == 0) run.ReleasePicker(kPickers[(minute + tick) % 6]);
    run.Tick();
  }
}

TEST(ActivitySoak, KeyFloodForManyMinutesKeepsTheFootprintOfTheFirstMinute) {
  const std::size_t cached_before = forms::LoadedPictures().Count();
  ActivityRun run(activity::kLetters, 400, 300, TinyPictureAppDir(activity::kLetters));
  run.Open();
  PlayOneMinute(run, 0);
  const Footprint first = Measure(run);
  const std::int64_t ticks_of_first_minute = run.probe.TickCount();
  for (int minute = 1; minute < kSoakMinutes; ++minute) {
    PlayOneMinute(run, minute);
    ASSERT_EQ(Measure(run), first) << "after minute " << minute + 1;
    ExpectCacheWithinTheScreensFiles(cached_before);
    ASSERT_LE(run.probe.LoadedFiles(), 6u + activity::kSlotCount);  // pickers and slots
    ASSERT_GT(run.PicturesPresent(), 0) << "the flood keeps pictures coming";
  }
  EXPECT_EQ(run.probe.TickCount(), ticks_of_first_minute * kSoakMinutes);

  // Without input every picture bursts and its slot is free again.
  run.Tick(30);
  EXPECT_EQ(run.PicturesPresent(), 0);
  for (int slot = 1; slot <= activity::kSlotCount; ++slot) {
    EXPECT_EQ(run.probe.SlotAt(slot).BornTick, 0) << slot;
    EXPECT_EQ(run.probe.SlotAt(slot).FireStage, 0) << slot;
  }
  EXPECT_EQ(Measure(run), first);
  EXPECT_TRUE(run.scenario.Platform().message_boxes.empty());
}

}  // namespace
}  // namespace activity_test
