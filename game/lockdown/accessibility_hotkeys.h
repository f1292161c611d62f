// The keyboard hotkeys of Sticky Keys, Filter Keys and Toggle Keys, switched off while the game
// runs and put back as found: a child holding Shift or Num Lock must not open a system dialog.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace lockdown {

// Sticky Keys (Shift five times), Filter Keys (right Shift held 8 s), Toggle Keys (Num Lock
// held 5 s).
enum class AccessFeature { kStickyKeys, kFilterKeys, kToggleKeys };
inline constexpr std::array<AccessFeature, 3> kAccessFeatures = {
    AccessFeature::kStickyKeys, AccessFeature::kFilterKeys, AccessFeature::kToggleKeys};

// Flags per feature, in the order of kAccessFeatures; empty where there are none.
using FeatureFlags = std::array<std::optional<std::uint32_t>, kAccessFeatures.size()>;

class HotkeysJournal;

// The feature flags the three have in common (SKF_, FKF_ and TKF_ of the same values).
inline constexpr std::uint32_t kFeatureOn = 0x1;
inline constexpr std::uint32_t kHotkeyActive = 0x4;
inline constexpr std::uint32_t kConfirmHotkey = 0x8;

// The flags to set while the game runs: the hotkey and its confirmation off, but only where the
// feature itself is off; a parent who uses the feature keeps its hotkey to switch it off again.
std::uint32_t FlagsWithHotkeyOff(std::uint32_t found);

// The system's settings of the three features. Either call may fail (Wine stores none of them).
class AccessSettings {
 public:
  virtual ~AccessSettings() = default;
  virtual std::optional<std::uint32_t> ReadFlags(AccessFeature feature) = 0;
  virtual bool WriteFlags(AccessFeature feature, std::uint32_t flags) = 0;
};

// Switches the hotkeys off when the main menu loads and restores exactly what it found once,
// at whichever comes first: the menu's unload, the exit key or an untrapped error. A feature
// whose setting could not be read or written is left alone and not restored. With a journal,
// what it found is noted there before the switch-off and the note removed after the restore,
// so that the next start can give back what a killed game could not.
class AccessibilityHotkeys {
 public:
  explicit AccessibilityHotkeys(HotkeysJournal* journal = nullptr) : journal_(journal) {}
  void SwitchOff(AccessSettings& settings);
  void Restore(AccessSettings& settings);
  bool Holding() const;  // whether anything waits to be restored
  // At the start: gives back what the journal holds from a game that did not restore it.
  void RestoreAfterKilledGame(AccessSettings& settings);

 private:
  HotkeysJournal* journal_;
  FeatureFlags found_;  // per feature, the flags found before a change that took effect
};

}  // namespace lockdown
