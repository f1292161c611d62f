// The keys that would take a child out of the game: one pure rule shared by every lockdown.
#include "game/lockdown/key_filter.h"

#include "game/forms/input.h"

namespace lockdown {

namespace {

namespace vk = forms::vk;

// Windows keys, application-menu key, sleep key, and the punctuation keys that a US layout
// marks ; / ` [ ] ' : swallowed whatever the modifiers.
bool AlwaysSwallowed(int key) {
  switch (key) {
    case vk::kLeftWindows:
    case vk::kRightWindows:
    case vk::kApps:
    case vk::kSleep:
    case vk::kOem1:
    case vk::kOem2:
    case vk::kOem3:
    case vk::kOem4:
    case vk::kOem6:
    case vk::kOem7:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool ShouldSwallow(int key, bool alt_down, bool ctrl_down) {
  const bool task_switch = (key == vk::kTab || key == vk::kEscape) && alt_down;  // Alt+Tab, Alt+Esc
  const bool start_menu = key == vk::kEscape && ctrl_down;                       // Ctrl+Esc
  return task_switch || start_menu || AlwaysSwallowed(key);
}

bool CtrlHeld(std::int16_t queue_state, std::int16_t physical_state) {
  const auto high_bit = [](std::int16_t state) {
    return (static_cast<std::uint16_t>(state) & 0x8000u) != 0;
  };
  return high_bit(queue_state) || high_bit(physical_state);
}

}  // namespace lockdown
