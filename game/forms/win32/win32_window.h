// One borderless WS_POPUP window: its backing copy of the canvas, its cursor, its messages.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "game/forms/canvas.h"
#include "game/forms/picture.h"
#include "game/forms/platform.h"
#include "game/forms/win32/win32_api.h"

namespace forms {

class Win32Window {
 public:
  using EventSink = std::function<void(const Event&)>;

  // bounds: the window's place on the screen in pixels (borderless: also its client area).
  Win32Window(WindowId id, const std::string& caption, const PixelRect& bounds, EventSink sink);
  ~Win32Window();
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  bool Valid() const { return hwnd_ != nullptr; }
  HWND Handle() const { return hwnd_; }
  void Show(bool visible);
  // The window's one frame buffer, drawn by the runtime and shown from directly; a new size
  // starts black.
  Canvas& Frame(int width, int height);
  void ReleaseFrame();
  void Present(const std::vector<PixelRect>& dirty);  // draws the dirty rectangles at once
  void SetCursorPicture(const Picture* picture);

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void OnInput(const Event& event);
  void OnPaint();
  bool OnSetCursor(LPARAM lparam);
  void OnSize(LPARAM lparam);
  void Blit(HDC dc, const PixelRect& rect) const;

  WindowId id_;
  EventSink sink_;
  HWND hwnd_ = nullptr;
  HCURSOR cursor_ = nullptr;                  // nullptr: the arrow
  const Picture* cursor_picture_ = nullptr;   // the picture cursor_ was made from
  int client_width_ = 0, client_height_ = 0;  // pixels
  std::unique_ptr<Canvas> frame_;             // 0x00RRGGBB, top-down rows; null when released
};

}  // namespace forms
