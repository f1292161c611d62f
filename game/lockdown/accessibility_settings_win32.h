// The accessibility features' settings as Windows keeps them, for AccessibilityHotkeys.
#pragma once

#include "game/lockdown/accessibility_hotkeys.h"

namespace lockdown {

class Win32AccessSettings : public AccessSettings {
 public:
  std::optional<std::uint32_t> ReadFlags(AccessFeature feature) override;
  bool WriteFlags(AccessFeature feature, std::uint32_t flags) override;
};

}  // namespace lockdown
