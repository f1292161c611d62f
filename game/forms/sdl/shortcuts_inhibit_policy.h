// When a window asks the Wayland compositor to hold back its shortcuts, and when it asks again.
#pragma once

namespace forms {

// The compositor answers an inhibitor with "active" and takes it back with "inactive" (GNOME's
// Super+Escape, or a parent's Deny). A withdrawn inhibition that had been granted is asked for
// again at once with a fresh inhibitor: a granted permission then applies without a dialog. One
// that was never granted is not asked for again on that window, so a Deny shows no dialog loop.
class ShortcutsInhibitPolicy {
 public:
  enum class Action { kNone, kRequest, kWithdraw, kRenew };

  Action SetWanted(bool wanted);  // the lockdown holds the keyboard, or lets it go
  Action OnFocus(bool gained);    // the window got or lost the keyboard focus
  Action OnActive();
  Action OnInactive();

  bool Requested() const { return requested_; }

 private:
  Action RequestIfDue();

  bool wanted_ = false;
  bool focused_ = false;
  bool requested_ = false;  // an inhibitor of this window exists
  bool granted_ = false;    // and the compositor has made it active
};

}  // namespace forms
