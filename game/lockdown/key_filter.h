// The keys that would take a child out of the game, swallowed by every platform's lockdown.
#pragma once

namespace lockdown {

// True when a key event with this virtual-key code must never reach a window:
// Alt+Tab, Alt+Esc, Ctrl+Esc, the Windows, application-menu and sleep keys, and six
// punctuation keys (whatever the modifiers). Applies to key down and key up alike.
bool ShouldSwallow(int vk, bool alt_down, bool ctrl_down);

}  // namespace lockdown
