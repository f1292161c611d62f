// Muzzle.dll: system-wide shell, message and keyboard hooks that keep the keyboard in the program.
#include <windows.h>

#include <cstdint>
#include <initializer_list>

#include "hook_rules.h"

// Every process that maps the library sees the same bytes here, so hook procedures running in
// other processes learn the bit set and the hook handles. gcc needs each variable initialised.
#define SHARED __attribute__((section(".shared"), shared))

// Hook handles are kept as 32-bit values, as the shared layout has room for: window-manager
// handles carry only 32 significant bits on 64-bit Windows and are sign-extended when widened.
// One record, because the compiler may reorder separate variables within a section.
struct SharedData {
  std::uint32_t ShellHookHandle;
  std::uint32_t MessageHookHandle;
  std::uint32_t KeyboardHookHandle;
  std::uint32_t KillFlags;
};
static_assert(sizeof(SharedData) == 16);

SharedData Shared SHARED = {0, 0, 0, 0};

namespace {

HHOOK Widen(std::uint32_t handle) {
  return reinterpret_cast<HHOOK>(static_cast<std::intptr_t>(static_cast<std::int32_t>(handle)));
}

std::uint32_t Narrow(HHOOK handle) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}

bool AsyncKeyDown(int vk) {
  return GetAsyncKeyState(vk) != 0;
}

}  // namespace

extern "C" LRESULT CALLBACK ShellProc(int code, WPARAM wparam, LPARAM lparam) {
  if (blocker::ShellRefuses(Shared.KillFlags, code, AsyncKeyDown)) return 1;
  return CallNextHookEx(Widen(Shared.ShellHookHandle), code, wparam, lparam);
}

extern "C" LRESULT CALLBACK GetMsgProc(int code, WPARAM wparam, LPARAM lparam) {
  MSG* msg = reinterpret_cast<MSG*>(lparam);
  if (msg != nullptr && blocker::MessageVoided(Shared.KillFlags, code, wparam != 0, msg->message,
                                               msg->wParam, msg->lParam, AsyncKeyDown)) {
    msg->message = WM_NULL;
  }
  return CallNextHookEx(Widen(Shared.MessageHookHandle), code, wparam, lparam);
}

extern "C" LRESULT CALLBACK KeyboardProc(int code, WPARAM wparam, LPARAM lparam) {
  if (blocker::KeystrokeSwallowed(Shared.KillFlags, code, wparam)) return 1;
  return CallNextHookEx(Widen(Shared.KeyboardHookHandle), code, wparam, lparam);
}

// Non-zero installs the hooks the bits ask for; 0 removes them. The handles and the bit set
// keep their values after a removal.
extern "C" void __stdcall Kill(std::uint32_t flags) {
  if (flags != 0) {
    Shared.KillFlags = flags;
    // Under any other file name the handle is null and the system refuses every hook.
    HINSTANCE self = GetModuleHandleA("Muzzle.dll");
    if (flags & (blocker::kKillWinKey | blocker::kKillCtrlEsc)) {
      Shared.ShellHookHandle = Narrow(SetWindowsHookExA(WH_SHELL, ShellProc, self, 0));
      Shared.MessageHookHandle = Narrow(SetWindowsHookExA(WH_GETMESSAGE, GetMsgProc, self, 0));
    }
    if (flags & (blocker::kKillWinKeyCombos | blocker::kKillContextMenu)) {
      Shared.KeyboardHookHandle = Narrow(SetWindowsHookExA(WH_KEYBOARD, KeyboardProc, self, 0));
      if (Shared.MessageHookHandle == 0) {
        Shared.MessageHookHandle = Narrow(SetWindowsHookExA(WH_GETMESSAGE, GetMsgProc, self, 0));
      }
    }
    return;
  }
  for (std::uint32_t handle :
       {Shared.ShellHookHandle, Shared.MessageHookHandle, Shared.KeyboardHookHandle}) {
    if (handle != 0) UnhookWindowsHookEx(Widen(handle));
  }
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}
