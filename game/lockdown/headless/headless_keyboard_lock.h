// The headless keyboard lock for tests: a recorded hook and the accessibility hotkeys over
// settings a test sets, locked as the Windows game locks them.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/lockdown/accessibility_hotkeys.h"
#include "game/lockdown/keyboard_lock.h"

namespace lockdown {

// Sticky Keys, Filter Keys and Toggle Keys as a test sets them; calls can be made to fail.
class HeadlessAccessSettings : public AccessSettings {
 public:
  std::map<AccessFeature, std::uint32_t> flags = {{AccessFeature::kStickyKeys, 0x1FE},
                                                  {AccessFeature::kFilterKeys, 0x07E},
                                                  {AccessFeature::kToggleKeys, 0x01E}};
  bool calls_fail = false;
  int writes = 0;  // successful writes

  std::optional<std::uint32_t> ReadFlags(AccessFeature feature) override;
  bool WriteFlags(AccessFeature feature, std::uint32_t value) override;
};

class HeadlessKeyboardLock : public KeyboardLock {
 public:
  std::vector<std::intptr_t> hook_installs;  // handles given out
  std::vector<std::intptr_t> hook_removals;  // handles given back
  bool hook_available = true;
  HeadlessAccessSettings access;
  // When set, "lock" and "unlock" are noted here, in order with the companion's calls.
  std::vector<std::string>* calls = nullptr;

  std::intptr_t Lock() override;
  void Unlock() override;
  bool Locked() const { return locked_; }

 private:
  AccessibilityHotkeys hotkeys_;
  std::intptr_t hook_ = 0;
  std::intptr_t next_hook_ = 0x1000;
  bool locked_ = false;
};

}  // namespace lockdown
