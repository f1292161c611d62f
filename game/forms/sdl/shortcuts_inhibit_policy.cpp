// When a window asks the Wayland compositor to hold back its shortcuts, and when it asks again.
#include "game/forms/sdl/shortcuts_inhibit_policy.h"

namespace forms {

using Action = ShortcutsInhibitPolicy::Action;

Action ShortcutsInhibitPolicy::SetWanted(bool wanted) {
  wanted_ = wanted;
  if (wanted) return RequestIfDue();
  if (!requested_) return Action::kNone;
  requested_ = granted_ = false;
  return Action::kWithdraw;
}

// A compositor asks its question for the focused window, so the request waits for the focus.
Action ShortcutsInhibitPolicy::OnFocus(bool gained) {
  focused_ = gained;
  return gained ? RequestIfDue() : Action::kNone;
}

Action ShortcutsInhibitPolicy::OnActive() {
  granted_ = requested_;
  return Action::kNone;
}

Action ShortcutsInhibitPolicy::OnInactive() {
  if (!requested_ || !granted_) return Action::kNone;
  granted_ = false;
  return Action::kRenew;
}

Action ShortcutsInhibitPolicy::RequestIfDue() {
  if (!wanted_ || !focused_ || requested_) return Action::kNone;
  requested_ = true;
  return Action::kRequest;
}

}  // namespace forms
