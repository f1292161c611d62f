// The parent panel's figures in words.
#include "game/shell/panel_text.h"

#include <gtest/gtest.h>

namespace shell {
namespace {

TEST(PanelText, Durations) {
  const struct {
    std::int64_t seconds;
    const char* text;
  } cases[] = {{0, "0 s"},       {59, "59 s"},         {60, "1 min"},
               {3599, "59 min"}, {3660, "1 h 01 min"}, {36000 + 59 * 60, "10 h 59 min"}};
  for (const auto& c : cases) EXPECT_EQ(DurationText(c.seconds), c.text);
}

TEST(PanelText, HeldBackNamesOnlyTheKindsThatHappened) {
  EXPECT_EQ(HeldBackText({}), "nothing");
  EXPECT_EQ(HeldBackText({0, 0, 0, 2, 0, 0, 5}), "2 Ctrl+Esc, 5 other");
}

}  // namespace
}  // namespace shell
