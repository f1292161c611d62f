// Switching the accessibility hotkeys off and back, over whatever stores the settings.
#include "game/lockdown/accessibility_hotkeys.h"

#include <algorithm>

#include "game/lockdown/hotkeys_journal.h"

namespace lockdown {

namespace {

bool AnyFlags(const FeatureFlags& flags) {
  return std::any_of(flags.begin(), flags.end(), [](const auto& f) { return f.has_value(); });
}

}  // namespace

std::uint32_t FlagsWithHotkeyOff(std::uint32_t found) {
  if ((found & kFeatureOn) != 0) return found;
  return found & ~(kHotkeyActive | kConfirmHotkey);
}

void AccessibilityHotkeys::SwitchOff(AccessSettings& settings) {
  // Switched off already: what is set now is the game's, not what the parent had.
  if (Holding()) return;
  FeatureFlags to_change;
  for (std::size_t i = 0; i < kAccessFeatures.size(); ++i) {
    const std::optional<std::uint32_t> found = settings.ReadFlags(kAccessFeatures[i]);
    if (found && FlagsWithHotkeyOff(*found) != *found) to_change[i] = found;
  }
  if (journal_ != nullptr && AnyFlags(to_change)) journal_->Write(to_change);
  for (std::size_t i = 0; i < kAccessFeatures.size(); ++i) {
    if (to_change[i] && settings.WriteFlags(kAccessFeatures[i], FlagsWithHotkeyOff(*to_change[i])))
      found_[i] = to_change[i];
  }
  if (journal_ != nullptr && AnyFlags(to_change) && !Holding()) journal_->Remove();
}

void AccessibilityHotkeys::Restore(AccessSettings& settings) {
  if (!Holding()) return;
  for (std::size_t i = 0; i < kAccessFeatures.size(); ++i) {
    if (!found_[i]) continue;
    // A failed write is not tried again: there is nothing better to do at the end of the game.
    settings.WriteFlags(kAccessFeatures[i], *found_[i]);
    found_[i].reset();
  }
  if (journal_ != nullptr) journal_->Remove();
}

bool AccessibilityHotkeys::Holding() const {
  return AnyFlags(found_);
}

void AccessibilityHotkeys::RestoreAfterKilledGame(AccessSettings& settings) {
  if (journal_ == nullptr) return;
  const FeatureFlags left = journal_->Take();
  for (std::size_t i = 0; i < kAccessFeatures.size(); ++i) {
    if (left[i]) settings.WriteFlags(kAccessFeatures[i], *left[i]);
  }
}

}  // namespace lockdown
