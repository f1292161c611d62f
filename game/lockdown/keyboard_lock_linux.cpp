// The Linux keyboard lock: the key filter on the application, the grab and the console keys.
#include "game/lockdown/keyboard_lock_linux.h"

#include "game/forms/input.h"
#include "game/lockdown/escape_tally.h"
#include "game/lockdown/key_filter.h"

namespace lockdown {

namespace {

constexpr std::intptr_t kFilterHandle = 1;  // the filter cannot fail to install

}  // namespace

std::intptr_t LinuxKeyboardLock::Lock() {
  locked_ = true;
  app_.SetKeyFilter([](int key_code, int shift, bool key_down) {
    const bool alt_down = (shift & forms::kShiftAlt) != 0;
    const bool ctrl_down = (shift & forms::kShiftCtrl) != 0;
    const bool swallow = ShouldSwallow(key_code, alt_down, ctrl_down);
    GameEscapes().Decided(key_code, alt_down, ctrl_down, key_down, swallow);
    return swallow;
  });
  app_.GrabKeyboard(true);
  if (console_keys_ != nullptr) console_keys_->Disarm();
  return kFilterHandle;
}

void LinuxKeyboardLock::Unlock() {
  if (!locked_) return;
  locked_ = false;
  app_.SetKeyFilter({});
  app_.GrabKeyboard(false);
  if (console_keys_ != nullptr) console_keys_->Restore();
}

}  // namespace lockdown
