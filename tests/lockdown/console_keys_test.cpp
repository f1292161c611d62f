// The console actions taken out of X keyboard maps and put back by content: every action type,
// maps loaded during play, and a watcher that cannot do its work.
#include "game/lockdown/console_keys.h"

#include <gtest/gtest.h>

#include <string>

#include "game/lockdown/console_keys_x11.h"

namespace lockdown {
namespace {

ActionBytes Action(std::uint8_t type, std::uint8_t detail = 0) {
  return ActionBytes{type, detail, 1, 2, 3, 4, 5, 6};
}

Interpret Entry(std::uint64_t sym, ActionBytes action) {
  return {{sym, 0x40, 0x02, 0, 0}, action};
}

TEST(ConsoleKeys, OnlySwitchScreenAndTerminateAreConsoleActions) {
  // Every action type XKB defines, 0x00 (none) to 0x14 (device valuator).
  for (int type = 0x00; type <= 0x14; ++type) {
    const bool console = type == 0x0C || type == 0x0D;
    std::vector<Interpret> map = {Entry(1, Action(static_cast<std::uint8_t>(type), 7))};
    const ActionBytes before = map[0].action;
    TakenActions taken;
    EXPECT_EQ(IsConsoleAction(before), console) << "type " << type;
    EXPECT_EQ(DisarmConsoleActions(map, taken), console) << "type " << type;
    EXPECT_EQ(taken.size(), console ? 1u : 0u) << "type " << type;
    EXPECT_EQ(map[0].action, console ? ActionBytes{} : before) << "type " << type;
  }
}

// The display loads maps in turn during play (a layout switch, a keyboard plugged in); each
// arrives with its console actions and loses them at once; at the end the map it then holds
// gets exactly its own back.
TEST(ConsoleKeys, TheMapHeldAtTheEndGetsItsOwnConsoleActionsBack) {
  const std::vector<Interpret> us = {Entry(0x61, Action(0x01)),
                                     Entry(0x1008FE01, Action(kXkbSwitchScreen, 1)),
                                     Entry(0x62, Action(0x06)),
                                     Entry(0xFE24, Action(kXkbTerminate)),
                                     Entry(0x1008FE0C, Action(kXkbSwitchScreen, 12)),
                                     Entry(0x63, Action(kXkbNoAction))};
  // Another layout: another order, one more switch, and a screen number of its own.
  const std::vector<Interpret> de = {
      Entry(0x1008FE0C, Action(kXkbSwitchScreen, 12)), Entry(0x62, Action(0x06)),
      Entry(0x1008FE05, Action(kXkbSwitchScreen, 5)),
      Entry(0x1008FE01, Action(kXkbSwitchScreen, 9)), Entry(0x64, Action(kXkbNoAction))};
  const struct {
    const char* name;
    std::vector<std::vector<Interpret>> loaded;
  } cases[] = {
      {"one map", {us}},
      {"a layout switch", {us, de}},
      {"switched and back", {us, de, us}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TakenActions taken;
    std::vector<Interpret> held;
    for (const auto& map : c.loaded) {
      held = map;
      EXPECT_TRUE(DisarmConsoleActions(held, taken));
      for (const Interpret& entry : held) EXPECT_FALSE(IsConsoleAction(entry.action));
      EXPECT_FALSE(DisarmConsoleActions(held, taken)) << "a second look finds nothing more";
    }
    EXPECT_TRUE(RestoreConsoleActions(held, taken));
    EXPECT_EQ(held, c.loaded.back());
  }
}

// A watcher that cannot start, or ends without its answer, leaves the game without the console
// keys taken out: it goes on, and the restore has nothing to do.
TEST(ConsoleKeysX11, NoWatcherMeansNothingTakenAndNothingPutBack) {
  for (const char* program : {"/nonexistent/wob", "/bin/true"}) {
    ConsoleKeysX11 keys(program);
    EXPECT_FALSE(keys.Disarm()) << program;
    keys.Restore();
  }
}

}  // namespace
}  // namespace lockdown
