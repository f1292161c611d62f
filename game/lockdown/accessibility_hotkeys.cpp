// Switching the accessibility hotkeys off and back, over whatever stores the settings.
#include "game/lockdown/accessibility_hotkeys.h"

#include <algorithm>

namespace lockdown {

std::uint32_t FlagsWithHotkeyOff(std::uint32_t found) {
  if ((found & kFeatureOn) != 0) return found;
  return found & ~(kHotkeyActive | kConfirmHotkey);
}

void AccessibilityHotkeys::SwitchOff(AccessSettings& settings) {
  // Switched off already: what is set now is the game's, not what the parent had.
  if (Holding()) return;
  for (std::size_t i = 0; i < kAccessFeatures.size(); ++i) {
    const std::optional<std::uint32_t> found = settings.ReadFlags(kAccessFeatures[i]);
    if (!found) continue;
    const std::uint32_t wanted = FlagsWithHotkeyOff(*found);
    if (wanted != *found && settings.WriteFlags(kAccessFeatures[i], wanted)) found_[i] = *found;
  }
}

void AccessibilityHotkeys::Restore(AccessSettings& settings) {
  for (std::size_t i = 0; i < kAccessFeatures.size(); ++i) {
    if (!found_[i]) continue;
    // A failed write is not tried again: there is nothing better to do at the end of the game.
    settings.WriteFlags(kAccessFeatures[i], *found_[i]);
    found_[i].reset();
  }
}

bool AccessibilityHotkeys::Holding() const {
  return std::any_of(found_.begin(), found_.end(), [](const auto& flags) { return flags; });
}

}  // namespace lockdown
