// The one seam between the forms runtime and the operating system: displays, windows, input, clock.
#pragma once

#include <string>
#include <vector>

#include "game/forms/input.h"

namespace forms {

class Canvas;
class Picture;

struct PixelRect {
  int x = 0, y = 0, w = 0, h = 0;  // pixels
  bool Empty() const { return w <= 0 || h <= 0; }
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

// The overlap of two rectangles (empty when they do not meet) and their bounding box.
PixelRect Intersect(const PixelRect& a, const PixelRect& b);
PixelRect Union(const PixelRect& a, const PixelRect& b);

struct WindowSpec {
  std::string caption;
  int width = 0, height = 0;  // client size in pixels (ignored when maximised)
  bool maximised = false;     // cover the whole display
  bool centred = false;       // centre on the display
  // A cover: a plain black borderless window over place (pixels of the whole desktop), on top,
  // that never takes the keyboard focus. A click on it comes as a mouse down of its own.
  bool cover = false;
  PixelRect place;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Displays. DisplayBounds is the primary display, where the game's forms go.
  virtual PixelRect DisplayBounds() = 0;
  virtual std::vector<PixelRect> Displays() = 0;  // every display, the primary one first
  virtual int TwipsPerPixel() = 0;                // 1440 / DPI: 15 at 96 DPI

  // Windows. A window shows its frame buffer; nothing is drawn by the platform itself.
  // CreateWindow returns 0 when no window can be made; no other call reports a failure, since
  // the runtime could do nothing about it (a present or cursor that fails just shows less).
  virtual WindowId CreateWindow(const WindowSpec& spec) = 0;
  virtual void DestroyWindow(WindowId window) = 0;
  virtual void ShowWindow(WindowId window, bool visible) = 0;
  // The frame the runtime draws the window into, width x height pixels: the window's own pixels
  // where the backend can, so each frame is held once. It keeps what was drawn while its size
  // stays; a new size or a released frame starts black. Null for an unknown window.
  virtual Canvas* FrameBuffer(WindowId window, int width, int height) = 0;
  // Shows the changed areas of the window's frame.
  virtual void Present(WindowId window, const std::vector<PixelRect>& dirty) = 0;
  // May give the frame's memory back while the window is hidden under another one; the next
  // FrameBuffer brings a frame back. Keeping it is harmless, so a backend need not.
  virtual void ReleaseFrameBuffer(WindowId window) { (void)window; }
  // cursor == nullptr restores the default arrow. Icons are used with their centre as hot spot.
  virtual void SetCursor(WindowId window, const Picture* cursor) = 0;
  // Gives the window the keyboard focus and raises it.
  virtual void FocusWindow(WindowId window) = 0;
  // While on, the program's windows, present and future, hold the whole keyboard.
  virtual void SetKeyboardGrab(bool grab) = 0;

  // Events and time. WaitEvent blocks until an event arrives or the deadline (NowMs scale)
  // passes; it returns false on the deadline. A deadline at or before now never blocks;
  // an infinite deadline waits for the next event.
  virtual bool WaitEvent(Event& event, double deadline_ms) = 0;
  virtual double NowMs() = 0;                 // monotonic milliseconds
  virtual double SecondsSinceMidnight() = 0;  // the "system timer" the game reseeds from

  virtual std::string AppFolder() = 0;  // folder of the running executable, no trailing separator
  virtual void MessageBox(const std::string& caption, const std::string& text) = 0;
};

}  // namespace forms
