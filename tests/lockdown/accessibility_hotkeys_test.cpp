// The accessibility hotkeys switched off for the game and restored as found, over a fake store.
#include "game/lockdown/accessibility_hotkeys.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using lockdown::AccessFeature;

// The system's store of the three features, with calls that can be made to fail.
class FakeAccessSettings : public lockdown::AccessSettings {
 public:
  std::map<AccessFeature, std::uint32_t> flags;
  bool reads_fail = false;
  bool writes_fail = false;
  std::vector<std::string> writes;  // "feature=flags" of every write asked for

  std::optional<std::uint32_t> ReadFlags(AccessFeature feature) override {
    if (reads_fail) return std::nullopt;
    return flags.at(feature);
  }
  bool WriteFlags(AccessFeature feature, std::uint32_t value) override {
    writes.push_back(std::to_string(static_cast<int>(feature)) + "=" + std::to_string(value));
    if (writes_fail) return false;
    flags[feature] = value;
    return true;
  }
};

// Windows' defaults: every feature off and available, its hotkey active and confirmed, sound.
constexpr std::uint32_t kStickyDefault = 0x1FE;
constexpr std::uint32_t kFilterDefault = 0x07E;
constexpr std::uint32_t kToggleDefault = 0x01E;

FakeAccessSettings DefaultSettings() {
  FakeAccessSettings settings;
  settings.flags = {{AccessFeature::kStickyKeys, kStickyDefault},
                    {AccessFeature::kFilterKeys, kFilterDefault},
                    {AccessFeature::kToggleKeys, kToggleDefault}};
  return settings;
}

TEST(FlagsWithHotkeyOff, HotkeyAndConfirmationOffOnlyWhereTheFeatureIsOff) {
  struct FlagsCase {
    const char* name;
    std::uint32_t found;
    std::uint32_t wanted;
  };
  const FlagsCase cases[] = {
      {"Sticky Keys default", 0x1FE, 0x1F2},
      {"Filter Keys default", 0x07E, 0x072},
      {"Toggle Keys default", 0x01E, 0x012},
      {"hotkey only", 0x004, 0x000},
      {"confirmation only", 0x008, 0x000},
      {"hotkey already off", 0x1F2, 0x1F2},
      {"nothing set", 0x000, 0x000},
      {"feature on keeps its hotkey", 0x1FF, 0x1FF},
      {"feature on without hotkey", 0x001, 0x001},
      {"every bit but on", 0xFFFFFFFE, 0xFFFFFFF2},
  };
  for (const FlagsCase& c : cases) {
    EXPECT_EQ(lockdown::FlagsWithHotkeyOff(c.found), c.wanted) << c.name;
  }
}

TEST(AccessibilityHotkeys, OffWhileHeldThenExactlyAsFound) {
  FakeAccessSettings settings = DefaultSettings();
  settings.flags[AccessFeature::kFilterKeys] = kFilterDefault | 0x80000000u;  // a bit unknown here
  const auto before = settings.flags;
  lockdown::AccessibilityHotkeys hotkeys;
  hotkeys.SwitchOff(settings);
  EXPECT_TRUE(hotkeys.Holding());
  for (AccessFeature feature : lockdown::kAccessFeatures) {
    EXPECT_EQ(settings.flags[feature] & (lockdown::kHotkeyActive | lockdown::kConfirmHotkey), 0u);
    EXPECT_EQ(settings.flags[feature] | lockdown::kHotkeyActive | lockdown::kConfirmHotkey,
              before.at(feature));
  }
  hotkeys.Restore(settings);
  EXPECT_EQ(settings.flags, before);
  EXPECT_FALSE(hotkeys.Holding());
  EXPECT_EQ(settings.writes.size(), 6u);
}

TEST(AccessibilityHotkeys, AFeatureInUseOrWithoutHotkeyIsNeverWritten) {
  FakeAccessSettings settings = DefaultSettings();
  settings.flags[AccessFeature::kStickyKeys] = kStickyDefault | lockdown::kFeatureOn;
  settings.flags[AccessFeature::kToggleKeys] = 0x012;
  lockdown::AccessibilityHotkeys hotkeys;
  hotkeys.SwitchOff(settings);
  hotkeys.Restore(settings);
  EXPECT_EQ(settings.writes, (std::vector<std::string>{"1=114", "1=126"}));
  EXPECT_EQ(settings.flags[AccessFeature::kStickyKeys], kStickyDefault | lockdown::kFeatureOn);
}

// Wine stores none of the settings: nothing is changed, so nothing is restored.
TEST(AccessibilityHotkeys, FailedCallsChangeAndRestoreNothing) {
  struct FailureCase {
    const char* name;
    bool reads_fail;
    bool writes_fail;
    std::size_t writes;
  };
  const FailureCase cases[] = {
      {"reads fail", true, false, 0},
      {"writes fail", false, true, 3},  // the three switch-off attempts, no restore
  };
  for (const FailureCase& c : cases) {
    FakeAccessSettings settings = DefaultSettings();
    settings.reads_fail = c.reads_fail;
    settings.writes_fail = c.writes_fail;
    lockdown::AccessibilityHotkeys hotkeys;
    hotkeys.SwitchOff(settings);
    EXPECT_FALSE(hotkeys.Holding()) << c.name;
    hotkeys.Restore(settings);
    EXPECT_EQ(settings.writes.size(), c.writes) << c.name;
    EXPECT_EQ(settings.flags, DefaultSettings().flags) << c.name;
  }
}

// Unload, exit key and error path may each ask: the first restores, the others do nothing, even
// when the restore itself failed.
TEST(AccessibilityHotkeys, RestoresOnceWhoeverAsks) {
  for (bool restore_fails : {false, true}) {
    FakeAccessSettings settings = DefaultSettings();
    lockdown::AccessibilityHotkeys hotkeys;
    hotkeys.SwitchOff(settings);
    settings.writes_fail = restore_fails;
    hotkeys.Restore(settings);
    hotkeys.Restore(settings);
    hotkeys.Restore(settings);
    EXPECT_EQ(settings.writes.size(), 6u) << restore_fails;
    EXPECT_FALSE(hotkeys.Holding());
  }
}

// A second switch-off must not take the game's own setting for the parent's.
TEST(AccessibilityHotkeys, SecondSwitchOffKeepsWhatWasFirstFound) {
  FakeAccessSettings settings = DefaultSettings();
  lockdown::AccessibilityHotkeys hotkeys;
  hotkeys.SwitchOff(settings);
  hotkeys.SwitchOff(settings);
  EXPECT_EQ(settings.writes.size(), 3u);
  hotkeys.Restore(settings);
  EXPECT_EQ(settings.flags, DefaultSettings().flags);
  // After a restore the next load switches off afresh.
  hotkeys.SwitchOff(settings);
  EXPECT_TRUE(hotkeys.Holding());
}

}  // namespace
