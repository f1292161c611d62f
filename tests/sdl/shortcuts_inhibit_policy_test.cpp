// When a window asks the compositor to hold back its shortcuts, and when it asks again.
#include <gtest/gtest.h>

#include <string>

#include "game/forms/sdl/shortcuts_inhibit_policy.h"

namespace forms {
namespace {

// Steps: W lockdown wants the keyboard, U lets it go, F focus gained, L focus lost, A the
// compositor's "active", I its "inactive". Actions: - none, R request, X withdraw, N renew.
std::string ActionsFor(const std::string& steps) {
  ShortcutsInhibitPolicy policy;
  std::string actions;
  for (char step : steps) {
    using Action = ShortcutsInhibitPolicy::Action;
    Action action = Action::kNone;
    switch (step) {
      case 'W':
        action = policy.SetWanted(true);
        break;
      case 'U':
        action = policy.SetWanted(false);
        break;
      case 'F':
        action = policy.OnFocus(true);
        break;
      case 'L':
        action = policy.OnFocus(false);
        break;
      case 'A':
        action = policy.OnActive();
        break;
      case 'I':
        action = policy.OnInactive();
        break;
    }
    actions += "-RXN"[static_cast<int>(action)];
  }
  return actions;
}

TEST(ShortcutsInhibitPolicy, AsksOnceFocusedAndAgainWhenWithdrawn) {
  const struct {
    const char* steps;
    const char* actions;
    const char* why;
  } cases[] = {
      {"WF", "-R", "the request waits for the focus"},
      {"FW", "-R", "a focused window asks when the lockdown starts"},
      {"FWFLF", "-R---", "one request however often the focus comes back"},
      {"FWAI", "-R-N", "a withdrawn grant is asked for again at once (Super+Escape)"},
      {"FWAIAI", "-R-N-N", "and again after every withdrawal"},
      {"FWI", "-R-", "a Deny is not asked again: no dialog loop"},
      {"FWIF", "-R--", "nor at the next focus"},
      {"FWAU", "-R-X", "the end of the lockdown withdraws the inhibitor"},
      {"FWAUI", "-R-X-", "a late inactive after that asks for nothing"},
      {"FWUW", "-RXR", "a new lockdown asks again"},
      {"FU", "--", "nothing to withdraw before a request"},
      {"A", "-", "an event before any request changes nothing"},
  };
  for (const auto& c : cases) EXPECT_EQ(ActionsFor(c.steps), c.actions) << c.why;
}

}  // namespace
}  // namespace forms
