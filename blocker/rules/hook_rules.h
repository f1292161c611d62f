// Quietbox hook decisions: which shell notice, fetched message or keystroke to refuse or void.
#pragma once

#include <cstdint>

namespace blocker {

// The Kill bit set handed from the host to the hook library.
inline constexpr std::uint32_t kKillWinKey = 0x1;
inline constexpr std::uint32_t kKillCtrlEsc = 0x2;
inline constexpr std::uint32_t kKillWinKeyCombos = 0x4;
inline constexpr std::uint32_t kKillContextMenu = 0x8;

// Virtual-key codes the hooks look at.
inline constexpr int kVkLeftWin = 0x5B;
inline constexpr int kVkRightWin = 0x5C;
inline constexpr int kVkApps = 0x5D;
inline constexpr int kVkControl = 0x11;
inline constexpr int kVkEscape = 0x1B;

// Hook codes and message numbers the hooks look at.
inline constexpr int kShellTaskList = 7;
inline constexpr int kKeyboardNoRemove = 3;
inline constexpr std::uint32_t kMsgSysCommand = 0x0112;
inline constexpr std::uint32_t kMsgContextMenu = 0x007B;
inline constexpr std::uint32_t kMsgHotKey = 0x0312;
inline constexpr std::uintptr_t kSysCommandTaskList = 0xF130;
inline constexpr std::uintptr_t kHotKeyModWin = 0x8;

// The asynchronous key-state query's answer counts as down only with its high bit. The low bit
// says the key went down at some time since any program last asked, not that it is down now:
// taken as down, one Application key press would void the next right-click context menu.
inline bool AsyncKeyStateDown(std::int16_t state) {
  return (static_cast<std::uint16_t>(state) & 0x8000u) != 0;
}

// Each decision takes the key-state query as a callable `bool(int vk)` so that keys are
// queried lazily, in a fixed order, and only when the answer can matter.

// Either Windows key is down; the right one is queried only when the left one is up.
template <class IsDown>
bool WinKeyDown(IsDown&& is_down) {
  return is_down(kVkLeftWin) || is_down(kVkRightWin);
}

// Ctrl and Esc are both down; Esc is queried only when Ctrl is down.
template <class IsDown>
bool CtrlEscDown(IsDown&& is_down) {
  return is_down(kVkControl) && is_down(kVkEscape);
}

// The shell hook's answer to a notice: true refuses it. Only the task-list notice (code 7)
// can be refused. With the Windows-key bit alone Ctrl+Esc still gets through, even with a
// Windows key held: the two bits are deliberately asymmetric.
template <class IsDown>
bool ShellRefuses(std::uint32_t kill_flags, int code, IsDown&& is_down) {
  if (code != kShellTaskList) return false;
  const bool win_bit = (kill_flags & kKillWinKey) != 0;
  const bool ctrl_esc_bit = (kill_flags & kKillCtrlEsc) != 0;
  const bool win_down = WinKeyDown(is_down);
  const bool ctrl_esc = CtrlEscDown(is_down);
  return (win_bit && win_down && !(!ctrl_esc_bit && ctrl_esc)) || (ctrl_esc_bit && ctrl_esc);
}

// The message hook's answer: true voids the message (the hook then overwrites its number
// with the null message). Only messages being removed from a queue, with a code that is not
// negative, are looked at.
template <class IsDown>
bool MessageVoided(std::uint32_t kill_flags, int code, bool removing, std::uint32_t message,
                   std::uintptr_t wparam, std::intptr_t lparam, IsDown&& is_down) {
  if (code < 0 || !removing) return false;
  switch (message) {
    case kMsgSysCommand: {
      if (wparam != kSysCommandTaskList) return false;
      switch (kill_flags & (kKillWinKey | kKillCtrlEsc)) {
        case kKillWinKey:
          return !CtrlEscDown(is_down);
        case kKillCtrlEsc:
          return CtrlEscDown(is_down);
        case kKillWinKey | kKillCtrlEsc:
          return true;
        default:
          return false;
      }
    }
    case kMsgContextMenu:
      return (kill_flags & kKillContextMenu) != 0 && is_down(kVkApps);
    case kMsgHotKey:
      return (kill_flags & kKillWinKeyCombos) != 0 &&
             (static_cast<std::uintptr_t>(lparam) & kHotKeyModWin) != 0;
    default:
      return false;
  }
}

// The keyboard hook's answer: true swallows the keystroke (press and release alike). A
// keystroke that is only looked at (code 3) or a negative code is never swallowed.
inline bool KeystrokeSwallowed(std::uint32_t kill_flags, int code, std::uintptr_t vk) {
  if (code < 0 || code == kKeyboardNoRemove) return false;
  if (vk == kVkLeftWin || vk == kVkRightWin) return (kill_flags & kKillWinKeyCombos) != 0;
  if (vk == kVkApps) return (kill_flags & kKillContextMenu) != 0;
  return false;
}

}  // namespace blocker
