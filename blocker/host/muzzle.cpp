// Muzzle.exe: the Quietbox host. Loads the hook library, calls Kill and waits for a second start.
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <cstdint>
#include <string>

#include "game_watch.h"
#include "resource.h"
#include "settings.h"

namespace {

using KillProc = void(__stdcall*)(std::uint32_t);
using RegisterServiceProcessProc = DWORD(WINAPI*)(DWORD, DWORD);

constexpr char kFrameClass[] = "MuzzleFrame";
constexpr char kLibraryName[] = "Muzzle.dll";
constexpr char kKillExport[] = "@Kill@4";
constexpr UINT kSetScreenSaverRunning = 97;  // SPI_SETSCREENSAVERRUNNING
constexpr DWORD kFrameStyle = 0xA0880000;    // pop-up, border, system menu, minimised

std::string ModulePath;
std::string SettingsPath;
HMODULE Library = nullptr;
KillProc Kill = nullptr;
UINT SysKeysKilled = 0;
MSG Message;

// A missing file, section or key, or an unknown path, gives the key's default.
int ReadSetting(const char* name, int default_value) {
  if (SettingsPath.empty()) return default_value;
  return static_cast<int>(
      GetPrivateProfileIntA(blocker::kSettingsSection, name, default_value, SettingsPath.c_str()));
}

bool SettingOn(blocker::Setting setting) {
  return blocker::SettingOn(ReadSetting, setting);
}

int ErrorBox(const char* text) {
  MessageBoxA(nullptr, text, nullptr, MB_OK | MB_ICONWARNING | MB_TOPMOST);
  return 1;
}

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

void CreateFrame(HINSTANCE instance) {
  // The record's own size: 48 bytes on 32-bit Windows, larger on 64-bit.
  WNDCLASSEXA frame_class = {};
  frame_class.cbSize = sizeof(frame_class);
  frame_class.style = CS_HREDRAW | CS_VREDRAW;
  frame_class.lpfnWndProc = WndProc;
  frame_class.hInstance = instance;
  frame_class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(5));
  frame_class.lpszClassName = kFrameClass;
  RegisterClassExA(&frame_class);
  HWND frame = CreateWindowExA(0, kFrameClass, "", kFrameStyle, 0, 0, 0, 0, nullptr, nullptr,
                               instance, nullptr);
  ShowWindow(frame, SW_HIDE);
}

// A second start closes the running host (unless told not to) and ends at once.
int SecondStart(HWND running_frame) {
  if (SettingOn(blocker::Setting::kShutDownWhenRunAgain)) {
    SendMessageA(running_frame, WM_CLOSE, 0, 0);
  }
  return 0;
}

void HideFromTaskList() {
  auto register_service = reinterpret_cast<RegisterServiceProcessProc>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("KERNEL32.DLL"), "RegisterServiceProcess")));
  if (register_service != nullptr) register_service(0, 1);
}

// The id and the executable name of the process that started this one; 0 when not found.
DWORD ParentProcess(std::string& exe_name) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  const DWORD self = GetCurrentProcessId();
  DWORD parent = 0;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (entry.th32ProcessID == self) parent = entry.th32ParentProcessID;
  }
  entry.dwSize = sizeof(entry);
  for (BOOL more = parent != 0 && Process32First(snapshot, &entry); more;
       more = Process32Next(snapshot, &entry)) {
    if (entry.th32ProcessID == parent) exe_name = entry.szExeFile;
  }
  CloseHandle(snapshot);
  return exe_name.empty() ? 0 : parent;
}

std::uint64_t CreationTime(HANDLE process) {
  FILETIME created = {}, exited = {}, kernel = {}, user = {};
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return UINT64_MAX;
  return (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

// The game that started this host, opened for waiting on its end; null otherwise (started by
// hand, or the game already gone).
HANDLE OpenStartingGame() {
  std::string parent_name;
  const DWORD parent = ParentProcess(parent_name);
  if (parent == 0 || !blocker::WatchesStartingProcess(parent_name)) return nullptr;
  HANDLE game = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, parent);
  if (game != nullptr &&
      !blocker::IsStillTheParent(CreationTime(game), CreationTime(GetCurrentProcess()))) {
    CloseHandle(game);
    game = nullptr;
  }
  return game;
}

// Dispatches messages until the quit message, or until the watched game's process ends while a
// second start would close the host. Blocks in between: the host has no timer and never polls.
void RunMessageLoop(HANDLE game) {
  while (game != nullptr) {
    // Wakes for messages already seen too: the quit message that a sent close message posts
    // while the loop peeks is never new to the wait.
    const DWORD woken =
        MsgWaitForMultipleObjectsEx(1, &game, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    // Read when it matters, as a second start reads it: a parent may change it during play.
    if (woken == WAIT_OBJECT_0 && SettingOn(blocker::Setting::kShutDownWhenRunAgain)) return;
    if (woken == WAIT_OBJECT_0) break;  // told to stay: a host that watches nothing
    if (woken == WAIT_FAILED) break;    // go on as a host that watches nothing
    while (PeekMessageA(&Message, nullptr, 0, 0, PM_REMOVE)) {
      if (Message.message == WM_QUIT) return;
      DispatchMessageA(&Message);
    }
  }
  while (GetMessageA(&Message, nullptr, 0, 0) > 0) DispatchMessageA(&Message);
}

int Shutdown() {
  if (SysKeysKilled != 0) {
    UINT previous = 0;
    SystemParametersInfoA(kSetScreenSaverRunning, 0, &previous, 0);
  }
  Kill(0);
  FreeLibrary(Library);
  if (SettingOn(blocker::Setting::kShutdownMessage)) {
    MessageBoxA(nullptr, "Shutting down Quietbox.", "Shutting down...",
                MB_OK | MB_ICONINFORMATION | MB_TOPMOST);
  }
  return 0;
}

int RunHost(HINSTANCE instance) {
  ModulePath = blocker::ReadModulePath([](char* buffer, std::size_t size) -> std::size_t {
    return GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(size));
  });
  if (!ModulePath.empty()) SettingsPath = blocker::HostSettingsPath(ModulePath);

  if (HWND running = FindWindowA(kFrameClass, nullptr)) return SecondStart(running);
  if (SettingOn(blocker::Setting::kHideFromTaskList)) HideFromTaskList();

  // From our own folder only, so that a library of the same name elsewhere on the search
  // path is never picked up when ours is missing. The loader knows the folder, so a path
  // longer than the old 260-character limit needs no buffer of ours.
  Library = LoadLibraryExA(kLibraryName, nullptr, LOAD_LIBRARY_SEARCH_APPLICATION_DIR);
  if (reinterpret_cast<std::uintptr_t>(Library) < 32) return ErrorBox("Unable to load DLL");
  Kill = reinterpret_cast<KillProc>(reinterpret_cast<void*>(GetProcAddress(Library, kKillExport)));
  if (Kill == nullptr) return ErrorBox("Unable to initialize");

  const std::uint32_t flags = blocker::KillFlagsFromSettings(ReadSetting);
  if (SettingOn(blocker::Setting::kKillAllSysKeys)) {
    SystemParametersInfoA(kSetScreenSaverRunning, 1, &SysKeysKilled, 0);
    SysKeysKilled = 1;
  }
  Kill(flags);
  CreateFrame(instance);
  if (SettingOn(blocker::Setting::kIdlePriority)) {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_IDLE);
    SetPriorityClass(GetCurrentProcess(), IDLE_PRIORITY_CLASS);
  }
  HANDLE game = OpenStartingGame();
  RunMessageLoop(game);
  if (game != nullptr) CloseHandle(game);
  return Shutdown();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  ExitProcess(RunHost(instance));
}
