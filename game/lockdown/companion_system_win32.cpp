// The companion through Win32: process snapshot, CreateProcessW, FindWindow, private profiles.
#include "game/lockdown/companion_system_win32.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <tlhelp32.h>

#include "game/forms/win32/win32_text.h"

namespace lockdown {

using forms::Utf8ToWide;

std::optional<std::vector<std::string>> Win32CompanionSystem::ListProcesses() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<std::string> names;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    names.emplace_back(entry.szExeFile);  // ANSI, in the file's own letter case
  }
  CloseHandle(snapshot);
  return names;
}

namespace {

enum class WaitFor { kReady, kEnd };

// The wide call, since the path is UTF-8 and the folder may hold any character. Waits a few
// seconds at most, so that a hung program cannot hang the game.
bool Launch(const std::string& path, int window_style, WaitFor wait) {
  const std::wstring program = Utf8ToWide(path);
  std::wstring command_line = L"\"" + program + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(window_style);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  constexpr DWORD kWaitMs = 5000;
  if (wait == WaitFor::kEnd) {
    WaitForSingleObject(process.hProcess, kWaitMs);
  } else {
    WaitForInputIdle(process.hProcess, kWaitMs);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

// Waits until the program is ready for input, its windows created: the companion started by
// the load must be found by a stop that follows at once, as after an error in the same load.
bool Win32CompanionSystem::StartProgram(const std::string& path, int window_style) {
  return Launch(path, window_style, WaitFor::kReady);
}

bool Win32CompanionSystem::StartProgramAndWait(const std::string& path, int window_style) {
  return Launch(path, window_style, WaitFor::kEnd);
}

bool Win32CompanionSystem::WindowOfClassExists(const std::string& window_class) {
  return FindWindowA(window_class.c_str(), nullptr) != nullptr;
}

int Win32CompanionSystem::ReadSettingsInt(const std::string& file, const std::string& section,
                                          const std::string& key, int default_value) {
  return static_cast<int>(GetPrivateProfileIntW(Utf8ToWide(section).c_str(),
                                                Utf8ToWide(key).c_str(), default_value,
                                                Utf8ToWide(file).c_str()));
}

bool Win32CompanionSystem::CloseWindowOfClass(const std::string& window_class) {
  HWND window = FindWindowA(window_class.c_str(), nullptr);
  if (window == nullptr) return false;
  // A hung program must not hang the game: give up after a few seconds.
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
  return true;
}

}  // namespace lockdown
