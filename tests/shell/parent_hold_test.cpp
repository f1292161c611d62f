// Held parent keys on the main menu as timelines on the virtual clock: Ctrl+Alt+O opens the
// parent panel after two seconds, and so does Ctrl+Alt+T end the game when the parent chose so.
#include <gtest/gtest.h>

#include <vector>

#include "game/shell/hold_ring.h"
#include "tests/shell/menu_rig.h"

namespace shelltest {
namespace {

constexpr int kCtrl = 0x11, kAlt = 0x12, kO = 'O', kT = 'T';
constexpr int kAltGrO = 0xF3;  // "ó", what Ctrl+Alt+O types on a Polish layout

struct Step {
  char op;  // 'd' key down, 'u' key up, 'c' character, 'w' wait (ms)
  int value;
  int shift = 0;
};

struct HoldCase {
  const char* name;
  bool exit_hold;
  std::vector<Step> steps;
  bool panel_open, screen_open, game_ended, ring_shown;
};

std::vector<Step> Hold(int key, std::vector<Step> then) {
  std::vector<Step> steps = {{'d', kCtrl, 2}, {'d', kAlt, 6}, {'d', key, 6}};
  steps.insert(steps.end(), then.begin(), then.end());
  return steps;
}

const HoldCase kCases[] = {
    {"NotBeforeTwoSeconds", false, Hold(kO, {{'w', 1950}}), false, false, false, true},
    {"OpensAtTwoSeconds", false, Hold(kO, {{'w', 2000}}), true, false, false, false},
    {"ReleasingOCancels", false, Hold(kO, {{'w', 1000}, {'u', kO, 6}, {'w', 2000}}), false, false,
     false, false},
    {"ReleasingCtrlCancels", false, Hold(kO, {{'w', 1000}, {'u', kCtrl, 4}, {'w', 2000}}), false,
     false, false, false},
    {"ReleasingAltCancels", false, Hold(kO, {{'w', 1000}, {'u', kAlt, 2}, {'w', 2000}}), false,
     false, false, false},
    {"AnotherKeyCancels", false, Hold(kO, {{'w', 1000}, {'d', 'X', 6}, {'w', 2000}}), false, false,
     false, false},
    {"AltGrCharactersOpenNoScreen", false,
     Hold(kO, {{'c', kAltGrO},
               {'w', 700},
               {'d', kO, 6},
               {'c', kAltGrO},
               {'w', 700},
               {'d', kO, 6},
               {'c', kAltGrO},
               {'w', 600}}),
     true, false, false, false},
    {"AnAltGrCharacterAfterACancelOpensAScreen", false,
     Hold(kO, {{'w', 500}, {'d', 'E', 6}, {'c', 0xEA}}), false, true, false, false},
    {"HeldExitEndsAtTwoSeconds", true, Hold(kT, {{'w', 2000}}), false, false, true, false},
    {"HeldExitNotBefore", true, Hold(kT, {{'w', 1950}}), false, false, false, true},
    {"HeldExitReleasedEarlyStays", true, Hold(kT, {{'w', 500}, {'u', kT, 6}, {'w', 2000}}), false,
     false, false, false},
    {"HeldExitCancelledByAnotherKey", true, Hold(kT, {{'w', 500}, {'d', 'X', 6}, {'w', 2000}}),
     false, false, false, false},
};

class ParentHoldTest : public testing::TestWithParam<HoldCase> {};

TEST_P(ParentHoldTest, Timeline) {
  const HoldCase& c = GetParam();
  MenuRig rig;
  rig.state.settings.exit_hold = c.exit_hold;
  rig.scenario.Start(rig.WOB);
  for (const Step& step : c.steps) {
    switch (step.op) {
      case 'd':
        rig.scenario.KeyDown(step.value, step.shift);
        break;
      case 'u':
        rig.scenario.KeyUp(step.value, step.shift);
        break;
      case 'c':
        rig.scenario.Char(step.value);
        break;
      default:
        rig.scenario.Advance(step.value);
    }
  }
  EXPECT_EQ(rig.frmParent.Loaded(), c.panel_open);
  EXPECT_EQ(rig.OpenScreen() != nullptr, c.screen_open);
  EXPECT_EQ(rig.scenario.Finished(), c.game_ended);
  if (c.game_ended) return;
  const auto* ring = dynamic_cast<const shell::HoldRing*>(rig.WOB.Find("picParentHold"));
  ASSERT_NE(ring, nullptr);
  EXPECT_EQ(ring->Visible(), c.ring_shown);
  if (c.ring_shown) {
    EXPECT_GT(ring->Progress(), 0.9f);
  }
}

INSTANTIATE_TEST_SUITE_P(Menu, ParentHoldTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<HoldCase>& each) {
                           return each.param.name;
                         });

}  // namespace
}  // namespace shelltest
