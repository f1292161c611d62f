// One SDL window of the game: borderless, placed explicitly, showing a form's canvas.
#include "game/forms/sdl/sdl_window.h"

#include <SDL.h>

#include <algorithm>
#include <string>

#include "game/forms/canvas.h"

namespace forms {

PixelRect PlaceWindow(const WindowSpec& spec, const PixelRect& display) {
  // Without a window manager (Xvfb, a kiosk session) SDL's fullscreen-desktop flag can leave
  // a 1 x 1 window, so a maximised window is simply put at the display's bounds.
  if (spec.cover) return spec.place;
  if (spec.maximised) return display;
  const int width = std::max(1, spec.width), height = std::max(1, spec.height);
  if (!spec.centred) return {display.x, display.y, width, height};
  return {display.x + (display.w - width) / 2, display.y + (display.h - height) / 2, width, height};
}

SdlWindow::SdlWindow(const WindowSpec& spec, const PixelRect& display) : cover_(spec.cover) {
  const PixelRect place = PlaceWindow(spec, display);
  // A cover is a tooltip to SDL: on X11 no window manager handles it, so it stays on top and
  // never gets the focus.
  const Uint32 cover_flags =
      SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_TOOLTIP;
  window_ =
      SDL_CreateWindow(spec.caption.c_str(), place.x, place.y, place.w, place.h,
                       SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN | (cover_ ? cover_flags : 0));
}

SdlWindow::~SdlWindow() {
  if (window_ != nullptr) SDL_DestroyWindow(window_);
}

std::uint32_t SdlWindow::SdlId() const {
  return SDL_GetWindowID(window_);
}

void SdlWindow::Show(bool visible) {
  visible_ = visible;
  if (!visible) {
    SDL_HideWindow(window_);
    return;
  }
  SDL_ShowWindow(window_);
  if (cover_) return PaintBlack();
  SDL_RaiseWindow(window_);
  TakeFocus();
}

void SdlWindow::TakeFocus() {
  // Without a window manager nobody gives a new window the keyboard focus; X11 then sends
  // keys to whatever lies under the pointer. Ask for it explicitly.
  if (visible_ && !cover_) SDL_SetWindowInputFocus(window_);
}

void SdlWindow::SetKeyboardGrab(bool grab) {
  if (!cover_) SDL_SetWindowKeyboardGrab(window_, grab ? SDL_TRUE : SDL_FALSE);
}

void SdlWindow::PaintBlack() {
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (surface == nullptr) return;
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
  SDL_UpdateWindowSurface(window_);
}

long SdlWindow::Present(const Canvas& canvas, const std::vector<PixelRect>& dirty) {
  const int width = canvas.Width(), height = canvas.Height();
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (width <= 0 || height <= 0 || surface == nullptr) return 0;
  // A new or resized surface holds nothing yet: it takes the whole canvas once.
  const bool whole =
      surface != surface_ || surface->w != surface_width_ || surface->h != surface_height_;
  surface_ = surface;
  surface_width_ = surface->w;
  surface_height_ = surface->h;
  const std::vector<PixelRect> rects =
      whole ? std::vector<PixelRect>{{0, 0, width, height}} : dirty;
  std::vector<SDL_Rect> areas;
  long copied = 0;
  for (const PixelRect& rect : rects) {
    const int x0 = std::max(0, rect.x), y0 = std::max(0, rect.y);
    const int x1 = std::min({width, surface->w, rect.x + rect.w});
    const int y1 = std::min({height, surface->h, rect.y + rect.h});
    if (x1 <= x0 || y1 <= y0) continue;
    const SDL_Rect area{x0, y0, x1 - x0, y1 - y0};
    CopyArea(canvas, *surface, area);
    areas.push_back(area);
    copied += static_cast<long>(area.w) * area.h;
  }
  // Only the changed areas travel to the display, so a painted dot costs a dot.
  if (!areas.empty())
    SDL_UpdateWindowSurfaceRects(window_, areas.data(), static_cast<int>(areas.size()));
  return copied;
}

void SdlWindow::CopyArea(const Canvas& canvas, SDL_Surface& surface, const SDL_Rect& area) {
  // RGB888 is SDL's name for 32-bit 0x00RRGGBB, the canvas's own layout.
  const std::uint32_t* source =
      canvas.Pixels() + static_cast<std::size_t>(area.y) * canvas.Width() + area.x;
  auto* target = static_cast<std::uint8_t*>(surface.pixels) +
                 static_cast<std::size_t>(area.y) * surface.pitch +
                 static_cast<std::size_t>(area.x) * surface.format->BytesPerPixel;
  SDL_ConvertPixels(area.w, area.h, SDL_PIXELFORMAT_RGB888, source, canvas.Width() * 4,
                    surface.format->format, target, surface.pitch);
}

void SdlWindow::Redraw() {
  if (surface_ != nullptr) SDL_UpdateWindowSurface(window_);
}

}  // namespace forms
