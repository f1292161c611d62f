// The window procedure and presentation of a borderless game window.
#include "game/forms/win32/win32_window.h"

#include <algorithm>

#include "game/forms/win32/win32_cursor.h"
#include "game/forms/win32/win32_input.h"
#include "game/forms/win32/win32_window_class.h"

namespace forms {
namespace {

constexpr char kClassName[] = "WobbletonForm";

ATOM RegisterFormClass(WNDPROC procedure) {
  static const ATOM atom = [procedure] {
    WNDCLASSEXA window_class = GameWindowClass(kClassName, procedure);
    // The game's icon, from the executable's resources when it has one.
    window_class.hIcon = LoadIconA(window_class.hInstance, MAKEINTRESOURCEA(1));
    return RegisterClassExA(&window_class);
  }();
  return atom;
}

PixelRect Clip(const PixelRect& rect, int width, int height) {
  const int left = std::max(rect.x, 0), top = std::max(rect.y, 0);
  const int right = std::min(rect.x + rect.w, width), bottom = std::min(rect.y + rect.h, height);
  return {left, top, right - left, bottom - top};
}

}  // namespace

Win32Window::Win32Window(WindowId id, const std::string& caption, const PixelRect& bounds,
                         EventSink sink)
    : id_(id), sink_(std::move(sink)), client_width_(bounds.w), client_height_(bounds.h) {
  if (RegisterFormClass(&Win32Window::WndProc) == 0) return;
  hwnd_ =
      CreateWindowExA(WS_EX_APPWINDOW, kClassName, caption.c_str(), WS_POPUP, bounds.x, bounds.y,
                      bounds.w, bounds.h, nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

Win32Window::~Win32Window() {
  if (hwnd_ != nullptr) {
    // Messages sent while the window goes away must not reach a half-destroyed object.
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
  if (cursor_ != nullptr) DestroyCursor(cursor_);
}

void Win32Window::Show(bool visible) {
  if (!visible) {
    ::ShowWindow(hwnd_, SW_HIDE);
    return;
  }
  ::ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  SetFocus(hwnd_);
}

Canvas& Win32Window::Frame(int width, int height) {
  if (!frame_ || frame_->Width() != width || frame_->Height() != height) {
    frame_ = std::make_unique<Canvas>(width, height);
  }
  return *frame_;
}

void Win32Window::ReleaseFrame() {
  frame_.reset();
}

void Win32Window::Present(const std::vector<PixelRect>& dirty) {
  if (!frame_) return;
  HDC dc = GetDC(hwnd_);
  for (const PixelRect& rect : dirty) {
    const PixelRect clipped = Clip(rect, frame_->Width(), frame_->Height());
    if (!clipped.Empty()) Blit(dc, clipped);
  }
  ReleaseDC(hwnd_, dc);
}

void Win32Window::SetCursorPicture(const Picture* picture) {
  // The runtime may set the same icon again; a cursor is made once per picture.
  if (picture == cursor_picture_ && (picture == nullptr || cursor_ != nullptr)) return;
  cursor_picture_ = picture;
  HCURSOR old = cursor_;
  cursor_ = picture != nullptr ? CursorFromPicture(*picture) : nullptr;
  POINT point;
  if (GetCursorPos(&point) && WindowFromPoint(point) == hwnd_) {
    ::SetCursor(cursor_ != nullptr ? cursor_
                                   : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
  }
  // Destroyed only after it is no longer the current cursor.
  if (old != nullptr) DestroyCursor(old);
}

LRESULT CALLBACK Win32Window::WndProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<Win32Window*>(create->lpCreateParams)->hwnd_ = hwnd;
  }
  auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
  return window->OnMessage(message, wparam, lparam);
}

LRESULT Win32Window::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  Event event;
  if (TranslateInput(message, wparam, lparam, event)) {
    OnInput(event);
    // Alt+key must not reach DefWindowProc: Alt+F4 would close the game, Alt+Space open a menu.
    return 0;
  }
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // every pixel comes from the canvas
    case WM_SETCURSOR:
      if (OnSetCursor(lparam)) return TRUE;
      break;
    case WM_SIZE:
      OnSize(lparam);
      return 0;
    case WM_SYSCHAR:
      return 0;  // no beep and no system menu for Alt+letter
    case WM_CLOSE:
      return 0;  // a toddler must not be able to close the game
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == SC_CLOSE || (wparam & 0xFFF0) == SC_KEYMENU) return 0;
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd_, message, wparam, lparam);
}

void Win32Window::OnInput(const Event& translated) {
  Event event = translated;
  event.window = id_;
  // The control that got the press gets the release wherever the pointer is let go.
  if (event.kind == Event::Kind::kMouseDown) SetCapture(hwnd_);
  if (event.kind == Event::Kind::kMouseUp && GetCapture() == hwnd_ &&
      (GetKeyState(VK_LBUTTON) & 0x8000) == 0 && (GetKeyState(VK_RBUTTON) & 0x8000) == 0 &&
      (GetKeyState(VK_MBUTTON) & 0x8000) == 0) {
    ReleaseCapture();
  }
  sink_(event);
}

void Win32Window::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  const PixelRect area{paint.rcPaint.left, paint.rcPaint.top,
                       paint.rcPaint.right - paint.rcPaint.left,
                       paint.rcPaint.bottom - paint.rcPaint.top};
  const PixelRect clipped = frame_ ? Clip(area, frame_->Width(), frame_->Height()) : PixelRect{};
  if (clipped.Empty()) {
    PatBlt(dc, area.x, area.y, area.w, area.h, BLACKNESS);  // nothing presented yet
  } else {
    Blit(dc, clipped);
  }
  EndPaint(hwnd_, &paint);
}

bool Win32Window::OnSetCursor(LPARAM lparam) {
  if (LOWORD(lparam) != HTCLIENT || cursor_ == nullptr) return false;
  ::SetCursor(cursor_);
  return true;
}

void Win32Window::OnSize(LPARAM lparam) {
  const int width = LOWORD(lparam), height = HIWORD(lparam);
  if (width == client_width_ && height == client_height_) return;
  client_width_ = width;
  client_height_ = height;
  Event event;
  event.kind = Event::Kind::kResize;
  event.window = id_;
  event.x = width;  // the new client size in pixels
  event.y = height;
  sink_(event);
}

// The rectangle's rows form a small top-down DIB of their own, which keeps SetDIBitsToDevice's
// scan-line arguments simple: start at scan 0, rect.h lines, source x = rect.x.
void Win32Window::Blit(HDC dc, const PixelRect& rect) const {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = frame_->Width();
  info.bmiHeader.biHeight = -rect.h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const std::uint32_t* rows = frame_->Row(rect.y);
  SetDIBitsToDevice(dc, rect.x, rect.y, static_cast<DWORD>(rect.w), static_cast<DWORD>(rect.h),
                    rect.x, 0, 0, static_cast<UINT>(rect.h), rows, &info, DIB_RGB_COLORS);
}

}  // namespace forms
