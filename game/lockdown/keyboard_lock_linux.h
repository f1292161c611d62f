// The Linux keyboard lock: the game's windows hold the whole keyboard, the key filter decides
// which keys reach the game, and on X11 the server's console keys leave the keyboard map.
#pragma once

#include <cstdint>

#include "game/forms/application.h"
#include "game/lockdown/console_keys_x11.h"
#include "game/lockdown/keyboard_lock.h"

namespace lockdown {

class LinuxKeyboardLock : public KeyboardLock {
 public:
  // console_keys, when given, are taken out of the X display's keyboard map while locked (none
  // on Wayland, whose compositor owns those keys, and none in tests).
  explicit LinuxKeyboardLock(forms::Application& app, ConsoleKeysX11* console_keys = nullptr)
      : app_(app), console_keys_(console_keys) {}

  std::intptr_t Lock() override;
  void Unlock() override;

 private:
  forms::Application& app_;
  ConsoleKeysX11* console_keys_;
  bool locked_ = false;
};

}  // namespace lockdown
