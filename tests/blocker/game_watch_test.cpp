// Tests of the rule that ends the host with the game that started it.
#include "game_watch.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace blocker {
namespace {

TEST(WatchesStartingProcess, OnlyTheGame) {
  struct ParentCase {
    const char* parent;
    bool watches;
  };
  const ParentCase cases[] = {
      {"WOB.exe", true},      {"wob.EXE", true},     {"explorer.exe", false},
      {"cmd.exe", false},     {"Muzzle.exe", false}, {"WOB", false},
      {"WOB.exe.exe", false}, {"OB.exe", false},     {"", false},
  };
  for (const ParentCase& c : cases) {
    EXPECT_EQ(WatchesStartingProcess(c.parent), c.watches) << c.parent;
  }
}

TEST(IsStillTheParent, AProcessCreatedAfterThisOneHasTakenAReusedId) {
  constexpr std::uint64_t kSelf = 133'000'000'000'000'000;
  EXPECT_TRUE(IsStillTheParent(kSelf - 10'000'000, kSelf));
  EXPECT_TRUE(IsStillTheParent(kSelf, kSelf));
  EXPECT_FALSE(IsStillTheParent(kSelf + 1, kSelf));
  EXPECT_FALSE(IsStillTheParent(UINT64_MAX, kSelf));  // times that cannot be read
}

}  // namespace
}  // namespace blocker
