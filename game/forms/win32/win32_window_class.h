// What every window class of the game shares: its procedure, this program's instance and the
// arrow cursor. Each kind of window adds its own background or icon before registering.
#pragma once

#include "game/forms/win32/win32_api.h"

namespace forms {

inline WNDCLASSEXA GameWindowClass(const char* name, WNDPROC procedure) {
  WNDCLASSEXA window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  window_class.lpszClassName = name;
  return window_class;
}

}  // namespace forms
