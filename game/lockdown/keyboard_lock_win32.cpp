// The Windows keyboard lock: the low-level hook, then the accessibility hotkeys off.
#include "game/lockdown/keyboard_lock_win32.h"

#include <cstdlib>

#include "game/lockdown/low_level_keyboard_win32.h"

namespace lockdown {

namespace {

// In the user's local application data; in the temporary folder when Windows names none.
std::filesystem::path JournalFile() {
  const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
  std::error_code ignored;
  const std::filesystem::path folder = local != nullptr && *local != L'\0'
                                           ? std::filesystem::path(local)
                                           : std::filesystem::temp_directory_path(ignored);
  return folder / L"Wobbleton Playboard" / L"accessibility-hotkeys.txt";
}

}  // namespace

Win32KeyboardLock::Win32KeyboardLock() : journal_(JournalFile()) {
  hotkeys_.RestoreAfterKilledGame(access_);
}

std::intptr_t Win32KeyboardLock::Lock() {
  if (hook_ == 0) hook_ = modDisableLowLevelKeys::InstallKeyboardHook();
  hotkeys_.SwitchOff(access_);
  return hook_;
}

void Win32KeyboardLock::Unlock() {
  if (hook_ != 0) modDisableLowLevelKeys::RemoveKeyboardHook(hook_);
  hook_ = 0;
  hotkeys_.Restore(access_);
}

}  // namespace lockdown
