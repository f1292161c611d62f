// Every picture of every group can appear: through its picker, and through the random group
// that key presses naming no picture get, on each of the three screens.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/activity/activity_fixture.h"

namespace activity_test {
namespace {

constexpr int kMaxTries = 400;

// The file of the picture spawned by the latest tick; "" when it spawned none.
std::string SpawnedNow(ActivityRun& run) {
  for (int slot = 1; slot <= activity::kSlotCount; ++slot) {
    if (run.probe.SlotAt(slot).BornTick == run.probe.TickCount()) return run.Shown(slot);
  }
  return "";
}

// Spawns with `act` before each tick until every wanted file appeared or the tries ran out;
// returns the wanted files that never did.
template <class Act>
std::set<std::string> NeverShown(ActivityRun& run, std::set<std::string> wanted, Act act) {
  for (int i = 0; i < kMaxTries && !wanted.empty(); ++i) {
    act();
    run.Tick();
    wanted.erase(SpawnedNow(run));
  }
  return wanted;
}

std::set<std::string> AllGroupPictures(const activity::ScreenTable& table) {
  std::set<std::string> all;
  for (const auto& group : table.groups) all.insert(group.begin(), group.end());
  return all;
}

TEST(ActivityGroups, EveryPictureOfEachPickersGroupCanAppear) {
  ActivityRun run(activity::kLetters, 400, 300, TinyPictureAppDir(activity::kLetters));
  run.Open();
  for (const activity::Picker& picker : activity::kPickers) {
    const auto& group = activity::kLetters.groups[picker.group];
    const std::set<std::string> missing =
        NeverShown(run, {group.begin(), group.end()}, [&] { run.ReleasePicker(picker.name); });
    EXPECT_TRUE(missing.empty()) << picker.name << " never showed " << *missing.begin();
  }
}

TEST(ActivityGroups, EveryPictureOfEveryGroupCanAppearForKeysThatNameNone) {
  const struct {
    const activity::ScreenTable& table;
    char key;  // names no picture on that screen
  } screens[] = {{activity::kLetters, ' '}, {activity::kNumbers, '7'}, {activity::kShapes, 'a'}};
  for (const auto& screen : screens) {
    ActivityRun run(screen.table, 400, 300, TinyPictureAppDir(screen.table));
    run.Open();
    const std::set<std::string> missing = NeverShown(run, AllGroupPictures(screen.table),
                                                     [&] { run.Type(std::string(1, screen.key)); });
    EXPECT_TRUE(missing.empty()) << screen.table.form_name << " never showed " << *missing.begin();
  }
}

}  // namespace
}  // namespace activity_test
