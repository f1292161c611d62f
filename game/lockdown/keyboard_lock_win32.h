// The Windows keyboard lock: the game's low-level keyboard hook and the accessibility hotkeys.
#pragma once

#include <cstdint>

#include "game/lockdown/accessibility_hotkeys.h"
#include "game/lockdown/accessibility_settings_win32.h"
#include "game/lockdown/hotkeys_journal.h"
#include "game/lockdown/keyboard_lock.h"

namespace lockdown {

// The focused game window has the keyboard already, and Windows keeps Ctrl+Alt+Del for itself:
// the hook and the hotkeys are all there is to lock.
class Win32KeyboardLock : public KeyboardLock {
 public:
  // Gives back the accessibility flags that a killed game left switched off.
  Win32KeyboardLock();
  std::intptr_t Lock() override;
  void Unlock() override;

 private:
  Win32AccessSettings access_;
  HotkeysJournal journal_;
  AccessibilityHotkeys hotkeys_{&journal_};
  std::intptr_t hook_ = 0;
};

}  // namespace lockdown
