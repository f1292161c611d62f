// One SDL window of the game: borderless, placed explicitly, showing a form's canvas.
#pragma once

#include <cstdint>
#include <vector>

#include "game/forms/platform.h"

struct SDL_Window;
struct SDL_Surface;
struct SDL_Rect;

namespace forms {

class Canvas;

class SdlWindow {
 public:
  // Valid() tells whether SDL could create the window.
  SdlWindow(const WindowSpec& spec, const PixelRect& display);
  ~SdlWindow();
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  bool Valid() const { return window_ != nullptr; }
  std::uint32_t SdlId() const;
  bool Visible() const { return visible_; }
  void Show(bool visible);
  void TakeFocus();
  void SetKeyboardGrab(bool grab);
  // Copies the dirty rectangles of the canvas into the window's surface and presents just
  // those. Returns the number of pixels copied.
  long Present(const Canvas& canvas, const std::vector<PixelRect>& dirty);
  void Redraw();  // presents the window's surface again, as it is
  bool IsCover() const { return cover_; }
  void PaintBlack();  // a cover's whole face

 private:
  static void CopyArea(const Canvas& canvas, SDL_Surface& surface, const SDL_Rect& area);

  SDL_Window* window_ = nullptr;
  SDL_Surface* surface_ = nullptr;              // the window's own; SDL frees it with the window
  int surface_width_ = 0, surface_height_ = 0;  // pixels
  bool visible_ = false;
  bool cover_ = false;  // a plain black window over another display
};

// Where a window of this spec goes on a display with these bounds.
PixelRect PlaceWindow(const WindowSpec& spec, const PixelRect& display);

}  // namespace forms
