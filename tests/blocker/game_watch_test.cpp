// Tests of the rule that ends the host with the game that started it.
#include "game_watch.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace blocker {
namespace {

TEST(WatchesStartingProcess, OnlyTheGameAndOnlyWhenASecondStartWouldClose) {
  struct ParentCase {
    const char* parent;
    bool shutdown_when_run_again;
    bool watches;
  };
  const ParentCase cases[] = {
      {"WOB.exe", true, true},      {"wob.EXE", true, true},
      {"WOB.exe", false, false},    {"explorer.exe", true, false},
      {"cmd.exe", true, false},     {"Muzzle.exe", true, false},
      {"WOB.exe.exe", true, false}, {"WOB", true, false},
      {"OB.exe", true, false},      {"", true, false},
  };
  for (const ParentCase& c : cases) {
    EXPECT_EQ(WatchesStartingProcess(c.parent, c.shutdown_when_run_again), c.watches)
        << c.parent << " shutdown_when_run_again=" << c.shutdown_when_run_again;
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
