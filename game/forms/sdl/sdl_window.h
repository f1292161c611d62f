// One SDL window of the game: borderless, placed explicitly, showing a form's frame.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "game/forms/platform.h"
#include "game/forms/sdl/wayland_shortcuts.h"

struct SDL_Window;
struct SDL_Surface;
struct SDL_Rect;

namespace forms {

class Canvas;

class SdlWindow {
 public:
  // Valid() tells whether SDL could create the window.
  SdlWindow(const WindowSpec& spec, const PixelRect& display, bool wayland);
  ~SdlWindow();
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  bool Valid() const { return window_ != nullptr; }
  SDL_Window* Native() const { return window_; }
  // From now on the window asks the compositor itself to hold back its shortcuts, in place of
  // SDL's keyboard grab.
  void InhibitThrough(WaylandShortcuts& shortcuts, TraceLine trace);
  std::uint32_t SdlId() const;
  bool Visible() const { return visible_; }
  void Show(bool visible);
  void TakeFocus();
  void SetKeyboardGrab(bool grab);
  // The window got or lost the keyboard focus: the moment to ask again for the grab.
  void OnFocus(bool gained);
  // On X11: says that the window may grab the keyboard under Xwayland.
  void AllowGrab();
  // On X11: says it again, and grabs the keyboard anew.
  void GrabAfresh();
  // The frame, width x height: the window surface's own pixels where they have the canvas's
  // layout (X11), else a canvas of its own that is copied to the surface at each present.
  Canvas* Frame(int width, int height);
  // Frees the frame. With shrink, the window's surface goes too: the window becomes one pixel
  // (it is hidden under another) until the next Frame gives it back its size.
  void ReleaseFrame(bool shrink);
  bool Shrunk() const { return shrunk_; }
  // A shrunk window takes its size back without a surface yet: one about to be uncovered then
  // keeps the pixels shown over it (X11 paints no background) until it is drawn.
  void Regrow();
  // Presents just the dirty rectangles. Returns the number of pixels shown.
  long Present(const std::vector<PixelRect>& dirty);
  bool IsCover() const { return cover_; }
  void PaintBlack();  // a cover's whole face

 private:
  static void CopyArea(const Canvas& canvas, SDL_Surface& surface, const SDL_Rect& area);

  SDL_Window* window_ = nullptr;
  SDL_Surface* surface_ = nullptr;  // the window's own; SDL frees it with the window
  std::unique_ptr<Canvas> frame_;
  bool own_frame_ = false;       // frame_ has pixels of its own, copied to the surface
  bool surface_is_new_ = false;  // and the surface has none of them yet
  bool shrunk_ = false;
  int full_width_ = 0, full_height_ = 0;  // pixels, the size before shrinking
  bool visible_ = false;
  bool cover_ = false;  // a plain black window over another display
  bool grab_ = false;
  std::unique_ptr<WaylandInhibitor> inhibitor_;  // Wayland only
};

// Where a window of this spec goes on a display with these bounds.
PixelRect PlaceWindow(const WindowSpec& spec, const PixelRect& display);

// SDL's flags for a window of this spec. On Wayland a maximised form takes the compositor's
// full-screen state, or a desktop's panels stay over it; its size is the display's either way.
std::uint32_t WindowFlags(const WindowSpec& spec, bool wayland);

}  // namespace forms
