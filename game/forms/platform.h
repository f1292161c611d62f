// The one seam between the forms runtime and the operating system: windows, input, clock, services.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sound {
class WaveOutput;
}

namespace forms {

class Canvas;
class Picture;

using WindowId = int;  // 0 means no window

struct PixelRect {
  int x = 0, y = 0, w = 0, h = 0;  // pixels
  bool Empty() const { return w <= 0 || h <= 0; }
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

// The overlap of two rectangles (empty when they do not meet) and their bounding box.
PixelRect Intersect(const PixelRect& a, const PixelRect& b);
PixelRect Union(const PixelRect& a, const PixelRect& b);

// A native event translated once into the Windows vocabulary: VK codes, shift state
// (1 Shift, 2 Ctrl, 4 Alt), WM_CHAR characters, mouse buttons (1 left, 2 right, 4 middle).
struct Event {
  enum class Kind { kKeyDown, kKeyUp, kChar, kMouseDown, kMouseUp, kMouseMove, kExpose, kResize };
  Kind kind = Kind::kExpose;
  WindowId window = 0;
  int key = 0;       // VK code (key events)
  int shift = 0;     // shift state at the event (key and mouse events)
  int ch = 0;        // character code (kChar), ANSI
  int button = 0;    // mouse button of a down/up; buttons held (kMouseMove)
  int x = 0, y = 0;  // pixels, relative to the window's client area; kResize: the new client size
};

struct WindowSpec {
  std::string caption;
  int width = 0, height = 0;  // client size in pixels (ignored when maximised)
  bool maximised = false;     // cover the whole display
  bool centred = false;       // centre on the display
};

// Window style codes for StartProgram, as Windows' ShowWindow takes them.
constexpr int kShowMinimizedWithFocus = 2;

class Platform {
 public:
  virtual ~Platform() = default;

  // Display.
  virtual PixelRect DisplayBounds() = 0;
  virtual int TwipsPerPixel() = 0;  // 1440 / DPI: 15 at 96 DPI

  // Windows. A window shows the canvas it is given; nothing is drawn by the platform itself.
  virtual WindowId CreateWindow(const WindowSpec& spec) = 0;
  virtual void DestroyWindow(WindowId window) = 0;
  virtual void ShowWindow(WindowId window, bool visible) = 0;
  virtual void Present(WindowId window, const Canvas& canvas,
                       const std::vector<PixelRect>& dirty) = 0;
  // cursor == nullptr restores the default arrow. Icons are used with their centre as hot spot.
  virtual void SetCursor(WindowId window, const Picture* cursor) = 0;

  // Events and time. WaitEvent blocks until an event arrives or the deadline (NowMs scale)
  // passes; it returns false on the deadline. A deadline at or before now never blocks;
  // an infinite deadline waits for the next event.
  virtual bool WaitEvent(Event& event, double deadline_ms) = 0;
  virtual double NowMs() = 0;                 // monotonic milliseconds
  virtual double SecondsSinceMidnight() = 0;  // the "system timer" the game reseeds from

  // Services.
  virtual std::string AppFolder() = 0;  // folder of the running executable, no trailing separator
  virtual void MessageBox(const std::string& caption, const std::string& text) = 0;
  // Starts a program by path; false when it cannot be started (for example a missing file).
  virtual bool StartProgram(const std::string& path, int window_style) = 0;
  // Whether the game runs the companion key blocker beside it (Windows only).
  virtual bool UsesCompanion() = 0;
  // Executable names of the running processes; nullopt when the snapshot cannot be taken.
  virtual std::optional<std::vector<std::string>> ListProcesses() = 0;
  // Asks the top-level window of this class, of whatever program, to close (WM_CLOSE) and
  // waits until it has handled that; false when there is none.
  virtual bool CloseWindowOfClass(const std::string& window_class) = 0;
  // The game's own keyboard lockdown; returns a handle, 0 when it cannot be installed.
  virtual std::intptr_t InstallKeyboardHook() = 0;
  virtual void RemoveKeyboardHook(std::intptr_t handle) = 0;
  virtual sound::WaveOutput& Sound() = 0;
};

}  // namespace forms
