// Win32Platform's services: clock, application folder, message box, programs, processes, hook.
#include "game/forms/win32/win32_platform.h"

#include "game/forms/win32/win32_api.h"

// After <windows.h>, which it needs.
#include <tlhelp32.h>

#include "game/forms/win32/win32_text.h"
#include "game/lockdown/low_level_keyboard_win32.h"

namespace forms {

double Win32Platform::SecondsSinceMidnight() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

std::string Win32Platform::AppFolder() {
  // The buffer grows until the whole path fits: folders may be longer than MAX_PATH.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t separator = path.find_last_of(L"\\/");
  path.resize(separator == std::wstring::npos ? 0 : separator);
  return WideToUtf8(path);
}

void Win32Platform::MessageBox(const std::string& caption, const std::string& text) {
  ReleaseCapture();
  MessageBoxA(nullptr, Utf8ToAnsi(text).c_str(), Utf8ToAnsi(caption).c_str(),
              MB_OK | MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND);
}

// The wide call, since the path is UTF-8 and the folder may hold any character.
bool Win32Platform::StartProgram(const std::string& path, int window_style) {
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
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

std::optional<std::vector<std::string>> Win32Platform::ListProcesses() {
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

bool Win32Platform::CloseWindowOfClass(const std::string& window_class) {
  HWND window = FindWindowA(window_class.c_str(), nullptr);
  if (window == nullptr) return false;
  // A hung program must not hang the game: give up after a few seconds.
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
  return true;
}

std::intptr_t Win32Platform::InstallKeyboardHook() {
  return modDisableLowLevelKeys::InstallKeyboardHook();
}

void Win32Platform::RemoveKeyboardHook(std::intptr_t handle) {
  modDisableLowLevelKeys::RemoveKeyboardHook(handle);
}

}  // namespace forms
