// The Linux keyboard lock: the key filter on the application, the grab and the console keys.
#include "game/lockdown/keyboard_lock_linux.h"

#include "game/forms/input.h"
#include "game/lockdown/key_filter.h"

namespace lockdown {

namespace {

constexpr std::intptr_t kFilterHandle = 1;  // the filter cannot fail to install

}  // namespace

std::intptr_t LinuxKeyboardLock::Lock() {
  locked_ = true;
  app_.SetKeyFilter([](int key_code, int shift) {
    return ShouldSwallow(key_code, (shift & forms::kShiftAlt) != 0,
                         (shift & forms::kShiftCtrl) != 0);
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
