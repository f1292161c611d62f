// A plain black top-most window over another display that never takes the focus.
#pragma once

#include <functional>

#include "game/forms/platform.h"
#include "game/forms/win32/win32_api.h"

namespace forms {

class Win32Cover {
 public:
  using EventSink = std::function<void(const Event&)>;

  // place: the display to cover, in pixels of the virtual screen. A click on the cover comes
  // to the sink as a mouse down of the cover's id.
  Win32Cover(WindowId id, const PixelRect& place, EventSink sink);
  ~Win32Cover();
  Win32Cover(const Win32Cover&) = delete;
  Win32Cover& operator=(const Win32Cover&) = delete;

  bool Valid() const { return hwnd_ != nullptr; }
  void Show(bool visible);

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  WindowId id_;
  EventSink sink_;
  HWND hwnd_ = nullptr;
};

}  // namespace forms
