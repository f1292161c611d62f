// The escape keys held back, sorted into the kinds a parent recognises.
#include "game/lockdown/escape_tally.h"

#include "game/forms/input.h"

namespace lockdown {

namespace vk = forms::vk;

EscapeKind SwallowedKind(int key, bool alt_down, bool ctrl_down) {
  switch (key) {
    case vk::kLeftWindows:
    case vk::kRightWindows:
      return EscapeKind::kWindowsKey;
    case vk::kApps:
      return EscapeKind::kAppsKey;
    case vk::kSleep:
      return EscapeKind::kSleep;
    case vk::kTab:
      return alt_down ? EscapeKind::kAltTab : EscapeKind::kOther;
    case vk::kEscape:
      if (alt_down) return EscapeKind::kAltEsc;
      return ctrl_down ? EscapeKind::kCtrlEsc : EscapeKind::kOther;
    default:
      return EscapeKind::kOther;
  }
}

void EscapeTally::Decided(int key, bool alt_down, bool ctrl_down, bool key_down, bool swallowed) {
  if (key < 0 || key >= static_cast<int>(held_.size())) return;
  const auto index = static_cast<std::size_t>(key);
  if (!key_down) {
    held_.reset(index);
    return;
  }
  if (!swallowed || held_.test(index)) return;
  held_.set(index);
  ++counts_[static_cast<std::size_t>(SwallowedKind(key, alt_down, ctrl_down))];
}

void EscapeTally::Reset() {
  counts_ = {};
  held_.reset();
}

EscapeTally& GameEscapes() {
  static EscapeTally tally;
  return tally;
}

}  // namespace lockdown
