// WM_CHAR characters rebuilt from SDL: control characters from keys, text as ANSI codes.
#include "game/forms/sdl/sdl_characters.h"

#include <gtest/gtest.h>

namespace forms {
namespace {

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;

TEST(SdlCharacters, KeysThatGiveControlCharacters) {
  const struct {
    int vk;
    int shift;
    int ch;
  } cases[] = {
      {0x0D, 0, 13},
      {0x0D, kShift, 13},
      {0x0D, kCtrl, 10},
      {0x08, 0, 8},
      {0x08, kCtrl, 127},
      {0x1B, 0, 27},
      {0x1B, kCtrl, 27},
      {0x1B, kShift, 27},
      {0x09, 0, 9},
      {0x09, kShift, 9},
      {0x09, kCtrl, 0},
      {'A', kCtrl, 1},
      {'C', kCtrl, 3},
      {'Z', kCtrl, 26},
      {'Z', kCtrl | kShift, 26},
      // Alt turns every one of them into a system key, which gives no WM_CHAR.
      {'T', kCtrl | kAlt, 0},
      {'S', kCtrl | kAlt, 0},
      {0x0D, kAlt, 0},
      {0x1B, kAlt, 0},
      {0x09, kAlt, 0},
      // Keys whose characters come from text input, or that give none.
      {'A', 0, 0},
      {'A', kShift, 0},
      {'1', kCtrl, 0},
      {0x20, 0, 0},
      {0x70, 0, 0},
      {0x10, kShift, 0},
      {0x11, kCtrl, 0},
      {0x2E, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ControlCharForKey(c.vk, c.shift), c.ch) << "vk " << c.vk << " shift " << c.shift;
  }
}

TEST(SdlCharacters, TextCountsOnlyWithoutCtrlOrAlt) {
  EXPECT_TRUE(TextIsCharacter(0));
  EXPECT_TRUE(TextIsCharacter(kShift));
  EXPECT_FALSE(TextIsCharacter(kCtrl));
  EXPECT_FALSE(TextIsCharacter(kAlt));
  EXPECT_FALSE(TextIsCharacter(kCtrl | kAlt));
  EXPECT_FALSE(TextIsCharacter(kShift | kAlt));
}

TEST(SdlCharacters, Utf8BecomesAnsi) {
  const struct {
    std::string utf8;
    std::vector<int> ansi;
  } cases[] = {
      {"", {}},
      {"a", {'a'}},
      {"Hello 1!", {'H', 'e', 'l', 'l', 'o', ' ', '1', '!'}},
      {"\xC3\xA9", {0xE9}},                    // é
      {"\xC3\x9F\xC3\xBF", {0xDF, 0xFF}},      // ß ÿ
      {"\xC2\xA0", {0xA0}},                    // no-break space
      {"\xE2\x82\xAC", {0x80}},                // € is 0x80 in Windows-1252
      {"\xC5\x92\xE2\x84\xA2", {0x8C, 0x99}},  // Œ ™
      {"\xC2\x81", {}},                        // a C1 control ANSI does not have
      {"\xE4\xB8\xAD", {}},                    // 中: no ANSI code, dropped
      {"a\xF0\x9F\x99\x82"
       "b",
       {'a', 'b'}},  // an emoji between letters
      {"\xFF"
       "a",
       {'a'}},       // a byte that never starts UTF-8
      {"\xC3", {}},  // a sequence cut short at the end
      {"\xC3"
       "a",
       {'a'}},               // a sequence cut short by a letter
      {"\x80\x80z", {'z'}},  // stray continuation bytes
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToAnsi(c.utf8), c.ansi) << "text " << c.utf8;
}

}  // namespace
}  // namespace forms
