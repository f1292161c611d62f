// The portable keyboard lock: what keeps a child in the game while the main menu is loaded. Each
// platform fills it whole with what it has of the key hook or filter, the keyboard grab, the
// accessibility hotkeys and the console keys.
#pragma once

#include <cstdint>

namespace lockdown {

class KeyboardLock {
 public:
  virtual ~KeyboardLock() = default;
  // Takes the keyboard. Returns the key hook's handle, 0 when the hook or filter cannot be
  // installed; whatever else the platform locks is locked all the same.
  virtual std::intptr_t Lock() = 0;
  // Gives back everything Lock took, exactly as found. Nothing to do when nothing is held, so
  // the menu's unload, the exit key and an untrapped error may each call it.
  virtual void Unlock() = 0;
};

}  // namespace lockdown
