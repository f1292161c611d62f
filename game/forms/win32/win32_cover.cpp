// A plain black top-most window over another display that never takes the focus.
#include "game/forms/win32/win32_cover.h"

#include "game/forms/win32/win32_window_class.h"

namespace forms {
namespace {

constexpr char kClassName[] = "WobbletonCover";

ATOM RegisterCoverClass(WNDPROC procedure) {
  static const ATOM atom = [procedure] {
    WNDCLASSEXA window_class = GameWindowClass(kClassName, procedure);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    return RegisterClassExA(&window_class);
  }();
  return atom;
}

}  // namespace

Win32Cover::Win32Cover(WindowId id, const PixelRect& place, EventSink sink)
    : id_(id), sink_(std::move(sink)) {
  if (RegisterCoverClass(&Win32Cover::WndProc) == 0) return;
  // No activation and no taskbar button: the focus stays with the game's form.
  hwnd_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kClassName, "",
                          WS_POPUP, place.x, place.y, place.w, place.h, nullptr, nullptr,
                          GetModuleHandleA(nullptr), this);
}

Win32Cover::~Win32Cover() {
  if (hwnd_ == nullptr) return;
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  ::DestroyWindow(hwnd_);
}

void Win32Cover::Show(bool visible) {
  ::ShowWindow(hwnd_, visible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

LRESULT CALLBACK Win32Cover::WndProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* cover = reinterpret_cast<Win32Cover*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (cover == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      // The runtime hands the focus back to the game's form.
      Event event;
      event.kind = Event::Kind::kMouseDown;
      event.window = cover->id_;
      event.button = message == WM_LBUTTONDOWN ? 1 : message == WM_RBUTTONDOWN ? 2 : 4;
      cover->sink_(event);
      return 0;
    }
    default:
      return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

}  // namespace forms
