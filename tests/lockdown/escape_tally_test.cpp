// What the child tried: swallowed keys sorted by kind, and a scripted sequence counted through
// the Linux key filter, once per press.
#include "game/lockdown/escape_tally.h"

#include <gtest/gtest.h>

#include "game/forms/form.h"
#include "game/lockdown/key_filter.h"
#include "game/lockdown/keyboard_lock_linux.h"
#include "tests/lib/scenario.h"

namespace lockdown {
namespace {

using Kind = EscapeKind;

TEST(EscapeTally, EverySwallowedKeyHasItsKind) {
  const struct {
    int vk;
    bool alt, ctrl;
    Kind kind;
  } cases[] = {
      {0x5B, false, false, Kind::kWindowsKey}, {0x5C, true, true, Kind::kWindowsKey},
      {0x09, true, false, Kind::kAltTab},      {0x1B, true, false, Kind::kAltEsc},
      {0x1B, true, true, Kind::kAltEsc},       {0x1B, false, true, Kind::kCtrlEsc},
      {0x5D, false, false, Kind::kAppsKey},    {0x5F, false, false, Kind::kSleep},
      {0xBA, false, false, Kind::kOther},      {0xDE, true, false, Kind::kOther},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(ShouldSwallow(c.vk, c.alt, c.ctrl)) << c.vk;
    EXPECT_EQ(SwallowedKind(c.vk, c.alt, c.ctrl), c.kind) << c.vk;
  }
}

class Blank : public forms::Form {
 public:
  explicit Blank(forms::Application& app) : forms::Form(app) { SetMaximised(true); }

 protected:
  void Design() override {}
};

TEST(EscapeTally, AScriptedSequenceThroughTheLinuxFilter) {
  wobtest::Scenario scenario;
  scenario.Start(scenario.Make<Blank>());
  LinuxKeyboardLock lock(scenario.App());
  lock.Lock();
  GameEscapes().Reset();
  const int alt = forms::kShiftAlt, ctrl = forms::kShiftCtrl;
  scenario.KeyDown(0x5B);  // a Windows key held: its repeats are one try
  scenario.KeyDown(0x5B);
  scenario.KeyDown(0x5B);
  scenario.KeyUp(0x5B);
  scenario.Press(0x5B, 0);
  scenario.Press(0x09, 0, alt);
  scenario.Press(0x09, 0, alt);
  scenario.Press(0x1B, 0, alt);
  scenario.Press(0x1B, 0, ctrl);
  scenario.Press(0x5D, 0);
  scenario.Press(0x5F, 0);
  scenario.Press(0xBF, '/');
  scenario.Press('A', 'a');  // passes: not counted
  scenario.Press(0x09, 9);   // Tab alone passes
  lock.Unlock();
  EXPECT_EQ(GameEscapes().Counts(), (EscapeCounts{2, 2, 1, 1, 1, 1, 1}));
}

}  // namespace
}  // namespace lockdown
