// The low-level keyboard hook: copies each key event and swallows what ShouldSwallow names.
#include "game/lockdown/low_level_keyboard_win32.h"

#include "game/lockdown/escape_tally.h"
#include "game/lockdown/key_filter.h"

namespace modDisableLowLevelKeys {

KeyboardHookRecord KeyboardHookData = {};

namespace {

bool IsKeyMessage(WPARAM message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
         message == WM_SYSKEYUP;
}

}  // namespace

LRESULT CALLBACK LowLevelKeyboardProc(int nCode, WPARAM wParam, LPARAM lParam) {
  if (nCode != HC_ACTION || !IsKeyMessage(wParam)) {
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
  }
  RtlMoveMemory(&KeyboardHookData, reinterpret_cast<const void*>(lParam), sizeof(KeyboardHookData));
  const bool ctrl_down = lockdown::CtrlHeld(GetKeyState(VK_CONTROL), GetAsyncKeyState(VK_CONTROL));
  const bool alt_down = (KeyboardHookData.flags & kAltDownFlag) != 0;
  const int key = static_cast<int>(KeyboardHookData.vkCode);
  const bool swallow = lockdown::ShouldSwallow(key, alt_down, ctrl_down);
  const bool key_down = wParam == 0x100 || wParam == 0x104;  // WM_KEYDOWN, WM_SYSKEYDOWN
  lockdown::GameEscapes().Decided(key, alt_down, ctrl_down, key_down, swallow);
  if (swallow) return -1;
  return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

std::intptr_t InstallKeyboardHook() {
  HHOOK hook =
      SetWindowsHookExA(WH_KEYBOARD_LL, LowLevelKeyboardProc, GetModuleHandleA(nullptr), 0);
  return reinterpret_cast<std::intptr_t>(hook);
}

void RemoveKeyboardHook(std::intptr_t handle) {
  UnhookWindowsHookEx(reinterpret_cast<HHOOK>(handle));
}

}  // namespace modDisableLowLevelKeys
