// What the child tried while locked in: the escape keys the key filter held back, by kind.
#pragma once

#include <array>
#include <bitset>

namespace lockdown {

enum class EscapeKind { kWindowsKey, kAltTab, kAltEsc, kCtrlEsc, kAppsKey, kSleep, kOther };
inline constexpr int kEscapeKinds = 7;

// The kind of a key that ShouldSwallow refused, from the same key and modifiers.
EscapeKind SwallowedKind(int vk, bool alt_down, bool ctrl_down);

using EscapeCounts = std::array<int, kEscapeKinds>;  // indexed by EscapeKind

// Counts each swallowed key once per press: a held key's auto-repeat is one try, not many.
class EscapeTally {
 public:
  // Every key event the filter decides on, swallowed or not, so that releases are seen.
  void Decided(int vk, bool alt_down, bool ctrl_down, bool key_down, bool swallowed);
  const EscapeCounts& Counts() const { return counts_; }
  void Reset();

 private:
  EscapeCounts counts_{};
  std::bitset<256> held_;  // swallowed keys down and not yet released, by key code
};

// The game's one tally, which its keyboard lockdown fills on every platform.
EscapeTally& GameEscapes();

}  // namespace lockdown
