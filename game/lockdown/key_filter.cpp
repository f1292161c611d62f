// The keys that would take a child out of the game: one pure rule shared by every lockdown.
#include "game/lockdown/key_filter.h"

namespace lockdown {

namespace {

constexpr int kTab = 0x09;
constexpr int kEscape = 0x1B;

// Windows keys, application-menu key, sleep key, and the punctuation keys that a US layout
// marks ; / ` [ ] ' : swallowed whatever the modifiers.
bool AlwaysSwallowed(int vk) {
  switch (vk) {
    case 0x5B:
    case 0x5C:
    case 0x5D:
    case 0x5F:
    case 0xBA:
    case 0xBF:
    case 0xC0:
    case 0xDB:
    case 0xDD:
    case 0xDE:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool ShouldSwallow(int vk, bool alt_down, bool ctrl_down) {
  const bool task_switch = (vk == kTab || vk == kEscape) && alt_down;  // Alt+Tab, Alt+Esc
  const bool start_menu = vk == kEscape && ctrl_down;                  // Ctrl+Esc
  return task_switch || start_menu || AlwaysSwallowed(vk);
}

}  // namespace lockdown
