// The headless keyboard lock: records the hook and keeps the hotkeys as the Windows lock does.
#include "game/lockdown/headless/headless_keyboard_lock.h"

namespace lockdown {

std::optional<std::uint32_t> HeadlessAccessSettings::ReadFlags(AccessFeature feature) {
  if (calls_fail) return std::nullopt;
  return flags.at(feature);
}

bool HeadlessAccessSettings::WriteFlags(AccessFeature feature, std::uint32_t value) {
  if (calls_fail) return false;
  flags[feature] = value;
  ++writes;
  return true;
}

std::intptr_t HeadlessKeyboardLock::Lock() {
  if (calls != nullptr) calls->push_back("lock");
  locked_ = true;
  if (hook_ == 0 && hook_available) {
    hook_ = next_hook_++;
    hook_installs.push_back(hook_);
  }
  hotkeys_.SwitchOff(access);
  return hook_;
}

void HeadlessKeyboardLock::Unlock() {
  if (!locked_) return;
  if (calls != nullptr) calls->push_back("unlock");
  locked_ = false;
  if (hook_ != 0) hook_removals.push_back(hook_);
  hook_ = 0;
  hotkeys_.Restore(access);
}

}  // namespace lockdown
