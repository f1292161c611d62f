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
  return blocker::AsyncKeyStateDown(GetAsyncKeyState(vk));
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

namespace {

HHOOK Install(int type, HOOKPROC procedure, HINSTANCE self) {
  return SetWindowsHookExA(type, procedure, self, 0);
}

// Only a host that runs alone installs (a second start never loads the library), so any handle
// found here is stale: left by a host that was killed before it could remove its hooks, which
// the system removed with its process, while another process kept the section mapped. Taken as
// installed, it would keep the message hook from being installed.
void InstallHooks(std::uint32_t flags) {
  Shared.ShellHookHandle = 0;
  Shared.MessageHookHandle = 0;
  Shared.KeyboardHookHandle = 0;
  Shared.KillFlags = flags;
  // Under any other file name the handle is null and the system refuses every hook.
  HINSTANCE self = GetModuleHandleA("Muzzle.dll");
  if (flags & (blocker::kKillWinKey | blocker::kKillCtrlEsc)) {
    Shared.ShellHookHandle = Narrow(Install(WH_SHELL, ShellProc, self));
    Shared.MessageHookHandle = Narrow(Install(WH_GETMESSAGE, GetMsgProc, self));
  }
  if (flags & (blocker::kKillWinKeyCombos | blocker::kKillContextMenu)) {
    Shared.KeyboardHookHandle = Narrow(Install(WH_KEYBOARD, KeyboardProc, self));
    if (Shared.MessageHookHandle == 0) {
      Shared.MessageHookHandle = Narrow(Install(WH_GETMESSAGE, GetMsgProc, self));
    }
  }
}

// Each handle is cleared as its hook goes, so that no later install takes it for a live one.
void RemoveHooks() {
  for (std::uint32_t* handle :
       {&Shared.ShellHookHandle, &Shared.MessageHookHandle, &Shared.KeyboardHookHandle}) {
    if (*handle != 0) UnhookWindowsHookEx(Widen(*handle));
    *handle = 0;
  }
}

}  // namespace

// Non-zero installs the hooks the bits ask for; 0 removes them. The bit set keeps its value
// after a removal.
extern "C" void __stdcall Kill(std::uint32_t flags) {
  if (flags != 0) {
    InstallHooks(flags);
  } else {
    RemoveHooks();
  }
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}
