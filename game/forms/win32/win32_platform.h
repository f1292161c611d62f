// forms::Platform on Win32: popup windows, the message loop, the clock and the message box.
#pragma once

#include <deque>
#include <map>
#include <memory>

#include "game/forms/platform.h"

namespace forms {

class Win32Cover;
class Win32Window;

class Win32Platform : public Platform {
 public:
  Win32Platform();
  ~Win32Platform() override;

  PixelRect DisplayBounds() override;
  std::vector<PixelRect> Displays() override;
  int TwipsPerPixel() override;

  WindowId CreateWindow(const WindowSpec& spec) override;
  void DestroyWindow(WindowId window) override;
  void ShowWindow(WindowId window, bool visible) override;
  Canvas* FrameBuffer(WindowId window, int width, int height) override;
  void Present(WindowId window, const std::vector<PixelRect>& dirty) override;
  void ReleaseFrameBuffer(WindowId window) override;
  void SetCursor(WindowId window, const Picture* cursor) override;
  void FocusWindow(WindowId window) override;
  // The focused window has the keyboard already; the lockdown's low-level hook keeps the
  // system's own key combinations from the desktop, so there is nothing more to grab.
  void SetKeyboardGrab(bool) override {}

  bool WaitEvent(Event& event, double deadline_ms) override;
  double NowMs() override;
  double SecondsSinceMidnight() override;

  std::string AppFolder() override;  // UTF-8
  void MessageBox(const std::string& caption, const std::string& text) override;

 private:
  Win32Window* Find(WindowId window);
  bool PumpOne();  // dispatches one waiting message; false when none waits
  void WaitForInput(double deadline_ms);

  std::map<WindowId, std::unique_ptr<Win32Window>> windows_;
  std::map<WindowId, std::unique_ptr<Win32Cover>> covers_;
  WindowId next_window_ = 1;
  std::deque<Event> events_;    // translated by the window procedures, oldest first
  double ms_per_count_ = 0;     // QueryPerformanceCounter's period in milliseconds
  double last_pump_ms_ = -1e9;  // when the message queue was last looked at
  static constexpr double kPumpSpacingMs = 1.0;
};

}  // namespace forms
