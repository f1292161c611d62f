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

}  // namespace
