// The Linux keyboard lock on the headless platform: the keyboard grab, and the key filter that it
// installs on the application, seen from a form.
#include "game/lockdown/keyboard_lock_linux.h"

#include <gtest/gtest.h>

#include <string>

#include "game/forms/form.h"
#include "tests/lib/scenario.h"

namespace {

using forms::kShiftAlt;
using forms::kShiftCtrl;
using forms::kShiftShift;

// Logs what reaches it: "D<key>:<shift>" for a key down, "C<char>" for a character.
class KeyLog : public forms::Form {
 public:
  explicit KeyLog(forms::Application& app) : forms::Form(app) { SetMaximised(true); }
  void Form_KeyDown(int key_code, int shift) override {
    Add("D" + std::to_string(key_code) + ":" + std::to_string(shift));
  }
  void Form_KeyPress(int key_ascii) override { Add("C" + std::to_string(key_ascii)); }
  std::string log;

 protected:
  void Design() override {}

 private:
  void Add(const std::string& entry) { log += (log.empty() ? "" : " ") + entry; }
};

class LinuxKeyboardLockTest : public testing::Test {
 protected:
  LinuxKeyboardLockTest() : form(scenario.Make<KeyLog>()), system(scenario.App()) {
    scenario.Start(form);
  }
  ~LinuxKeyboardLockTest() override { system.Unlock(); }

  // A key pressed and released with a shift state, and the character it types (0: none).
  std::string Press(int vk, int shift, int ch) {
    form.log.clear();
    scenario.Press(vk, ch, shift);
    return form.log;
  }

  wobtest::Scenario scenario;
  KeyLog& form;
  lockdown::LinuxKeyboardLock system;
  std::intptr_t hook = 0;
};

TEST_F(LinuxKeyboardLockTest, SwallowsTheEscapeKeysAndKeepsTheParentKeys) {
  const int alt = kShiftAlt, ctrl = kShiftCtrl, shift = kShiftShift;
  const struct {
    int vk, shift, ch;
    const char* log;  // with the lockdown on
  } cases[] = {
      {0x09, alt, 0, ""},    // Alt+Tab
      {0x1B, alt, 0, ""},    // Alt+Esc
      {0x1B, ctrl, 27, ""},  // Ctrl+Esc
      {0x5B, 0, 0, ""},      // Windows keys, application menu, sleep
      {0x5C, 0, 0, ""},
      {0x5D, 0, 0, ""},
      {0x5F, 0, 0, ""},
      {0xBA, 0, ';', ""},  // ; / ` [ ] ' with or without Shift
      {0xBA, shift, ':', ""},
      {0xBF, 0, '/', ""},
      {0xC0, shift, '~', ""},
      {0xDB, 0, '[', ""},
      {0xDD, shift, '}', ""},
      {0xDE, 0, '\'', ""},
      // The parent's keys and everything not named above pass.
      {'T', ctrl | alt, 0, "D84:6"},
      {'S', ctrl | alt, 0, "D83:6"},
      {0x73, alt, 0, "D115:4"},       // Alt+F4
      {0x1B, 0, 27, "D27:0 C27"},     // Esc alone
      {0x09, 0, 9, "D9:0 C9"},        // Tab alone
      {0x09, ctrl, 0, "D9:2"},        // Ctrl+Tab
      {0xDC, 0, '\\', "D220:0 C92"},  // backslash, minus, equals, comma, full stop
      {0xBD, 0, '-', "D189:0 C45"},
      {0xBB, 0, '=', "D187:0 C61"},
      {0xBC, 0, ',', "D188:0 C44"},
      {0xBE, 0, '.', "D190:0 C46"},
      {'Q', 0, 'q', "D81:0 C113"},
  };
  hook = system.Lock();
  ASSERT_NE(hook, 0);
  EXPECT_TRUE(scenario.Platform().keyboard_grabbed);
  for (const auto& c : cases) {
    EXPECT_EQ(Press(c.vk, c.shift, c.ch), c.log) << "vk " << c.vk << " shift " << c.shift;
  }
}

TEST_F(LinuxKeyboardLockTest, TheCharacterOfTheNextKeyPassesAfterASwallowedOne) {
  hook = system.Lock();
  form.log.clear();
  scenario.KeyDown(0xBF);
  scenario.Char('/');
  scenario.KeyDown('B');
  scenario.Char('b');
  EXPECT_EQ(form.log, "D66:0 C98");
}

TEST_F(LinuxKeyboardLockTest, UnlockLiftsTheLockdownOnceAndOnlyWhenLocked) {
  system.Unlock();  // nothing held: the keys pass as before
  EXPECT_EQ(Press(0xBA, 0, ';'), "D186:0 C59");
  hook = system.Lock();
  EXPECT_EQ(Press(0x5B, 0, 0), "");
  system.Unlock();
  EXPECT_FALSE(scenario.Platform().keyboard_grabbed);
  EXPECT_EQ(Press(0xBA, 0, ';'), "D186:0 C59");
  EXPECT_EQ(Press(0x5B, 0, 0), "D91:0");
  scenario.Platform().keyboard_grabbed = true;  // grabbed by someone else since
  system.Unlock();
  EXPECT_TRUE(scenario.Platform().keyboard_grabbed) << "a second unlock gives back nothing more";
}

}  // namespace
