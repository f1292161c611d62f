// The console actions taken out of an X keyboard map and put back: every action type, a mixed
// map, and a display that cannot be reached.
#include "game/lockdown/console_keys.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "game/lockdown/console_keys_x11.h"

namespace lockdown {
namespace {

ActionBytes Action(std::uint8_t type, std::uint8_t detail = 0) {
  return ActionBytes{type, detail, 1, 2, 3, 4, 5, 6};
}

TEST(ConsoleKeys, OnlySwitchScreenAndTerminateAreConsoleActions) {
  // Every action type XKB defines, 0x00 (none) to 0x14 (device valuator).
  for (int type = 0x00; type <= 0x14; ++type) {
    const bool console = type == 0x0C || type == 0x0D;
    std::vector<ActionBytes> actions = {Action(static_cast<std::uint8_t>(type), 7)};
    const ActionBytes before = actions[0];
    const auto originals = DisarmConsoleActions(actions);
    EXPECT_EQ(IsConsoleAction(before), console) << "type " << type;
    ASSERT_EQ(originals.size(), console ? 1u : 0u) << "type " << type;
    EXPECT_EQ(actions[0], console ? ActionBytes{} : before) << "type " << type;
  }
}

TEST(ConsoleKeys, AMixedMapGetsExactlyItsConsoleActionsBack) {
  const std::vector<ActionBytes> original = {
      Action(0x01),          Action(kXkbSwitchScreen, 1),  Action(0x06),
      Action(kXkbTerminate), Action(kXkbSwitchScreen, 12), Action(0x00)};
  std::vector<ActionBytes> actions = original;
  const auto originals = DisarmConsoleActions(actions);
  ASSERT_EQ(originals.size(), 3u);
  EXPECT_EQ(originals[0].first, 1u);
  EXPECT_EQ(originals[1].first, 3u);
  EXPECT_EQ(originals[2].first, 4u);
  for (std::size_t i = 0; i < actions.size(); ++i)
    EXPECT_FALSE(IsConsoleAction(actions[i])) << "action " << i;
  EXPECT_EQ(actions[0], original[0]);
  EXPECT_EQ(actions[2], original[2]);
  // Disarmed twice, nothing more is taken: the first originals stay the ones to restore.
  EXPECT_TRUE(DisarmConsoleActions(actions).empty());
  RestoreActions(actions, originals);
  EXPECT_EQ(actions, original);
}

TEST(ConsoleKeys, AShorterMapIgnoresOriginalsPastItsEnd) {
  std::vector<ActionBytes> actions = {Action(kXkbTerminate)};
  const auto originals = DisarmConsoleActions(actions);
  std::vector<ActionBytes> shorter;
  RestoreActions(shorter, originals);
  EXPECT_TRUE(shorter.empty());
  RestoreActions(actions, {{5, Action(kXkbSwitchScreen)}, {0, Action(kXkbTerminate)}});
  EXPECT_EQ(actions, std::vector<ActionBytes>{Action(kXkbTerminate)});
}

TEST(ConsoleKeysX11, WithoutADisplayNothingIsTakenAndNothingPutBack) {
  const char* display = getenv("DISPLAY");
  const std::string saved = display != nullptr ? display : "";
  setenv("DISPLAY", ":4095", 1);  // no server listens there
  {
    ConsoleKeysX11 keys;
    EXPECT_FALSE(keys.Disarm());
    keys.Restore();
  }
  if (display != nullptr) {
    setenv("DISPLAY", saved.c_str(), 1);
  } else {
    unsetenv("DISPLAY");
  }
}

}  // namespace
}  // namespace lockdown
