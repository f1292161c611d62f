// The rule of a held parent combination.
#include "game/shell/held_combination.h"

#include <algorithm>

#include "game/forms/input.h"

namespace shell {
namespace {

bool IsCtrlOrAlt(int key_code) {
  return key_code == forms::vk::kControl || key_code == forms::vk::kMenu;
}

}  // namespace

void HeldCombination::Start(int key_code, double now_ms) {
  key_ = key_code;
  start_ms_ = now_ms;
}

void HeldCombination::KeyDown(int key_code) {
  if (key_code != key_ && !IsCtrlOrAlt(key_code)) key_ = 0;
}

void HeldCombination::KeyUp(int key_code) {
  if (key_code == key_ || IsCtrlOrAlt(key_code)) key_ = 0;
}

float HeldCombination::Progress(double now_ms) const {
  if (key_ == 0) return 0.0f;
  return static_cast<float>(std::clamp((now_ms - start_ms_) / kHoldMs, 0.0, 1.0));
}

}  // namespace shell
