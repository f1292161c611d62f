// Win32Platform's services: the local clock, the application folder and the message box.
#include "game/forms/win32/win32_platform.h"

#include "game/forms/win32/win32_api.h"
#include "game/forms/win32/win32_text.h"

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

}  // namespace forms
