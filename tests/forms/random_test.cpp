// The game's random numbers: the generator's sequence, pick ranges, reseeding from the clock.
#include <gtest/gtest.h>

#include <set>

#include "game/forms/application.h"
#include "game/forms/headless/headless_platform.h"
#include "game/forms/random.h"

namespace {

TEST(Random, UnseededSequenceIsTheClassicOne) {
  forms::Random random;
  EXPECT_FLOAT_EQ(random.Next(), 0.7055475f);
  EXPECT_FLOAT_EQ(random.Next(), 0.5334240f);
  EXPECT_FLOAT_EQ(random.Next(), 0.5795186f);
}

TEST(Random, PicksStayWithinOneToNAndReachEveryValue) {
  for (int n : {4, 6, 10}) {
    forms::Random random;
    random.Reseed(45296.75);
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
      const float r = random.Next();
      ASSERT_GE(r, 0.0f);
      ASSERT_LT(r, 1.0f);
      seen.insert(static_cast<int>(r * static_cast<float>(n) + 1.0f));
    }
    EXPECT_EQ(*seen.begin(), 1) << n;
    EXPECT_EQ(*seen.rbegin(), n) << n;
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(n)) << n;
  }
}

TEST(Random, RandomizeFollowsThePlatformClock) {
  auto first_after_randomize = [](double clock_start) {
    forms::HeadlessPlatform platform;
    platform.clock_start_seconds = clock_start;
    forms::Application app(platform);
    app.Randomize();
    return app.Rnd();
  };
  EXPECT_EQ(first_after_randomize(36000.0), first_after_randomize(36000.0));
  EXPECT_NE(first_after_randomize(36000.0), first_after_randomize(36000.5));
  EXPECT_NE(first_after_randomize(36000.0), first_after_randomize(50000.0));
}

}  // namespace
