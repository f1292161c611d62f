// The keys that would take a child out of the game, swallowed by every platform's lockdown.
#pragma once

#include <cstdint>

namespace lockdown {

// True when a key event with this virtual-key code must never reach a window:
// Alt+Tab, Alt+Esc, Ctrl+Esc, the Windows, application-menu and sleep keys, and six
// punctuation keys (whatever the modifiers). Applies to key down and key up alike.
bool ShouldSwallow(int vk, bool alt_down, bool ctrl_down);

// Whether Ctrl counts as held for the hook, from the game's message-queue key state and the
// keyboard's physical (asynchronous) state, each as the system returns them: held when either
// has its high bit set. The queue state alone lags behind the keyboard while the game is busy or
// another window has the focus, and Ctrl+Esc would slip through.
bool CtrlHeld(std::int16_t queue_state, std::int16_t physical_state);

}  // namespace lockdown
