// Every key the lockdown names, and the neighbours that must pass, under every modifier.
#include "game/lockdown/key_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum class Rule { kAlways, kWithAlt, kWithAltOrCtrl, kNever };

struct KeyCase {
  std::string name;
  int vk;
  Rule rule;
};

bool Expected(Rule rule, bool alt, bool ctrl) {
  switch (rule) {
    case Rule::kAlways:
      return true;
    case Rule::kWithAlt:
      return alt;
    case Rule::kWithAltOrCtrl:
      return alt || ctrl;
    case Rule::kNever:
      return false;
  }
  return false;
}

std::vector<KeyCase> KeyTable() {
  std::vector<KeyCase> table = {
      {"Tab", 0x09, Rule::kWithAlt},
      {"Esc", 0x1B, Rule::kWithAltOrCtrl},
      {"left Windows", 0x5B, Rule::kAlways},
      {"right Windows", 0x5C, Rule::kAlways},
      {"application menu", 0x5D, Rule::kAlways},
      {"sleep", 0x5F, Rule::kAlways},
      {"semicolon", 0xBA, Rule::kAlways},
      {"slash", 0xBF, Rule::kAlways},
      {"back-quote", 0xC0, Rule::kAlways},
      {"left bracket", 0xDB, Rule::kAlways},
      {"right bracket", 0xDD, Rule::kAlways},
      {"apostrophe", 0xDE, Rule::kAlways},
      {"backslash", 0xDC, Rule::kNever},
      {"minus", 0xBD, Rule::kNever},
      {"equals", 0xBB, Rule::kNever},
      {"comma", 0xBC, Rule::kNever},
      {"full stop", 0xBE, Rule::kNever},
      {"Enter", 0x0D, Rule::kNever},
      {"Space", 0x20, Rule::kNever},
      {"Shift", 0x10, Rule::kNever},
      {"Ctrl", 0x11, Rule::kNever},
      {"Alt", 0x12, Rule::kNever},
      {"left arrow", 0x25, Rule::kNever},
      {"unassigned 0x5E", 0x5E, Rule::kNever},
  };
  for (int vk = 'A'; vk <= 'Z'; ++vk) table.push_back({std::string(1, char(vk)), vk, Rule::kNever});
  for (int vk = '0'; vk <= '9'; ++vk) table.push_back({std::string(1, char(vk)), vk, Rule::kNever});
  for (int f = 1; f <= 24; ++f) table.push_back({"F" + std::to_string(f), 0x6F + f, Rule::kNever});
  return table;
}

// Shift is no input of the rule: a shifted key is the same event as far as the filter goes.
TEST(KeyFilter, EveryKeyUnderEveryModifier) {
  for (const KeyCase& key : KeyTable()) {
    for (int mods = 0; mods < 4; ++mods) {
      const bool alt = (mods & 1) != 0;
      const bool ctrl = (mods & 2) != 0;
      EXPECT_EQ(lockdown::ShouldSwallow(key.vk, alt, ctrl), Expected(key.rule, alt, ctrl))
          << key.name << (alt ? " +Alt" : "") << (ctrl ? " +Ctrl" : "");
    }
  }
}

TEST(KeyFilter, OutOfRangeCodesPass) {
  for (int vk : {-1, 0, 0xFF, 0x100, 0x15B, 0x10000}) {
    EXPECT_FALSE(lockdown::ShouldSwallow(vk, true, true)) << vk;
  }
}

// Key states as the system gives them: the high bit is "down", the low bit is the toggle in the
// queue state and "pressed since the last query" in the physical state; neither low bit is Ctrl.
TEST(CtrlHeld, EitherStateWithItsHighBit) {
  struct StateCase {
    const char* name;
    std::uint16_t queue;
    std::uint16_t physical;
    bool held;
  };
  const StateCase cases[] = {
      {"up in both", 0x0000, 0x0000, false},
      {"down in both", 0x8000, 0x8000, true},
      {"queue lags behind the keyboard", 0x0000, 0x8000, true},
      {"down in the queue, let go since", 0x8000, 0x0000, true},
      {"queue toggled, keyboard pressed since the last query", 0x0001, 0x0001, false},
      {"down and toggled in the queue", 0xFF81, 0x0000, true},
      {"down and pressed since the last query", 0x0000, 0x8001, true},
      {"every low bit", 0x7FFF, 0x7FFF, false},
  };
  for (const StateCase& c : cases) {
    EXPECT_EQ(lockdown::CtrlHeld(static_cast<std::int16_t>(c.queue),
                                 static_cast<std::int16_t>(c.physical)),
              c.held)
        << c.name;
  }
}

// The whole decision for Esc with the Ctrl state the hook reads.
TEST(CtrlHeld, CtrlEscIsSwallowedWhenOnlyTheKeyboardKnowsCtrlIsDown) {
  const auto down = static_cast<std::int16_t>(0x8000);
  EXPECT_TRUE(lockdown::ShouldSwallow(0x1B, false, lockdown::CtrlHeld(0, down)));
  EXPECT_FALSE(lockdown::ShouldSwallow(0x1B, false, lockdown::CtrlHeld(0, 1)));
}

}  // namespace
