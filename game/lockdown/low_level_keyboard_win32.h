// modDisableLowLevelKeys: the game's low-level keyboard hook over lockdown::ShouldSwallow.
#pragma once

#include <cstdint>

#include <windows.h>

namespace modDisableLowLevelKeys {

// The first 20 bytes of the system's low-level keyboard event record.
struct KeyboardHookRecord {
  std::uint32_t vkCode;
  std::uint32_t scanCode;
  std::uint32_t flags;
  std::uint32_t time;
  std::uint32_t dwExtraInfo;
};
static_assert(sizeof(KeyboardHookRecord) == 20);

constexpr std::uint32_t kAltDownFlag = LLKHF_ALTDOWN;

// The copy of the latest event that reached the decision.
extern KeyboardHookRecord KeyboardHookData;

// Returns -1 to swallow the event, else what the next hook returns.
LRESULT CALLBACK LowLevelKeyboardProc(int nCode, WPARAM wParam, LPARAM lParam);

// Installs LowLevelKeyboardProc for the whole desktop; 0 when it cannot be installed.
std::intptr_t InstallKeyboardHook();
void RemoveKeyboardHook(std::intptr_t handle);

}  // namespace modDisableLowLevelKeys
