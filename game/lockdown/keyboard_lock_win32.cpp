// The Windows keyboard lock: the low-level hook, then the accessibility hotkeys off.
#include "game/lockdown/keyboard_lock_win32.h"

#include "game/lockdown/low_level_keyboard_win32.h"

namespace lockdown {

std::intptr_t Win32KeyboardLock::Lock() {
  if (hook_ == 0) hook_ = modDisableLowLevelKeys::InstallKeyboardHook();
  hotkeys_.SwitchOff(access_);
  return hook_;
}

void Win32KeyboardLock::Unlock() {
  if (hook_ != 0) modDisableLowLevelKeys::RemoveKeyboardHook(hook_);
  hook_ = 0;
  hotkeys_.Restore(access_);
}

}  // namespace lockdown
