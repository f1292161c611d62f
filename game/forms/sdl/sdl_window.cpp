// One SDL window of the game: borderless, placed explicitly, showing a form's canvas.
#include "game/forms/sdl/sdl_window.h"

#include <SDL.h>

#include <algorithm>
#include <string>

#include "game/forms/canvas.h"
#include "game/forms/sdl/xwayland_grab.h"

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

std::uint32_t WindowFlags(const WindowSpec& spec, bool wayland) {
  // A cover is a tooltip to SDL: on X11 no window manager handles it, so it stays on top and
  // never gets the focus.
  if (spec.cover) {
    return SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN | SDL_WINDOW_ALWAYS_ON_TOP |
           SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_TOOLTIP;
  }
  const bool full_screen = wayland && spec.maximised;
  return SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN |
         (full_screen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

SdlWindow::SdlWindow(const WindowSpec& spec, const PixelRect& display, bool wayland)
    : cover_(spec.cover) {
  const PixelRect place = PlaceWindow(spec, display);
  window_ = SDL_CreateWindow(spec.caption.c_str(), place.x, place.y, place.w, place.h,
                             WindowFlags(spec, wayland));
}

void SdlWindow::InhibitThrough(WaylandShortcuts& shortcuts, TraceLine trace) {
  if (cover_ || !shortcuts.Available()) return;
  if (grab_) SDL_SetWindowKeyboardGrab(window_, SDL_FALSE);
  inhibitor_ = std::make_unique<WaylandInhibitor>(shortcuts, window_, std::move(trace));
  inhibitor_->SetWanted(grab_);
}

SdlWindow::~SdlWindow() {
  inhibitor_.reset();
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
  if (cover_) return;
  grab_ = grab;
  if (inhibitor_) return inhibitor_->SetWanted(grab);
  SDL_SetWindowKeyboardGrab(window_, grab ? SDL_TRUE : SDL_FALSE);
}

void SdlWindow::OnFocus(bool gained) {
  if (inhibitor_) return inhibitor_->OnFocus(gained);
  // Mutter lets an Xwayland window grab the keyboard only once the window, managed by now,
  // has said it may; the grab SDL took at the focus predates that, so it is taken afresh.
  if (gained) GrabAfresh();
}

void SdlWindow::AllowGrab() {
  if (!cover_) AllowXwaylandKeyboardGrab(window_);
}

void SdlWindow::GrabAfresh() {
  if (inhibitor_ || cover_ || !grab_) return;
  AllowXwaylandKeyboardGrab(window_);
  SDL_SetWindowKeyboardGrab(window_, SDL_FALSE);
  SDL_SetWindowKeyboardGrab(window_, SDL_TRUE);
}

void SdlWindow::PaintBlack() {
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (surface == nullptr) return;
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
  SDL_UpdateWindowSurface(window_);
}

Canvas* SdlWindow::Frame(int width, int height) {
  if (shrunk_) {
    SDL_SetWindowSize(window_, width, height);
    shrunk_ = false;
  }
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (surface == nullptr || width <= 0 || height <= 0) return nullptr;
  const bool fits = surface->w == width && surface->h == height;
  // RGB888 is SDL's name for 32-bit 0x00RRGGBB, the canvas's own layout.
  const bool direct =
      fits && surface->format->format == SDL_PIXELFORMAT_RGB888 && surface->pitch == width * 4;
  auto* pixels = static_cast<std::uint32_t*>(surface->pixels);
  if (direct && (own_frame_ || !frame_ || frame_->Pixels() != pixels)) {
    frame_ = std::make_unique<Canvas>(pixels, width, height);
    own_frame_ = false;
  } else if (!direct && (!own_frame_ || frame_->Width() != width || frame_->Height() != height)) {
    frame_ = std::make_unique<Canvas>(width, height);
    own_frame_ = true;
  }
  surface_is_new_ = surface != surface_;
  surface_ = surface;
  return frame_.get();
}

void SdlWindow::ReleaseFrame(bool shrink) {
  frame_.reset();
  own_frame_ = false;
  if (!shrink || shrunk_) return;
  // SDL frees a window surface only when it makes the next one, after a resize.
  SDL_GetWindowSize(window_, &full_width_, &full_height_);
  SDL_SetWindowSize(window_, 1, 1);
  SDL_GetWindowSurface(window_);
  surface_ = nullptr;
  shrunk_ = true;
}

void SdlWindow::Regrow() {
  if (!shrunk_) return;
  SDL_SetWindowSize(window_, full_width_, full_height_);
  shrunk_ = false;
}

long SdlWindow::Present(const std::vector<PixelRect>& dirty) {
  if (!frame_ || surface_ == nullptr) return 0;
  const PixelRect shown = Intersect(frame_->Bounds(), {0, 0, surface_->w, surface_->h});
  // A new surface holds nothing of a frame of its own yet: it takes the whole frame once.
  const bool whole = own_frame_ && surface_is_new_;
  surface_is_new_ = false;
  std::vector<SDL_Rect> areas;
  long pixels = 0;
  for (const PixelRect& rect : whole ? std::vector<PixelRect>{shown} : dirty) {
    const PixelRect r = Intersect(rect, shown);
    if (r.Empty()) continue;
    const SDL_Rect area{r.x, r.y, r.w, r.h};
    if (own_frame_) CopyArea(*frame_, *surface_, area);
    areas.push_back(area);
    pixels += static_cast<long>(area.w) * area.h;
  }
  // Only the changed areas travel to the display, so a painted dot costs a dot.
  if (!areas.empty())
    SDL_UpdateWindowSurfaceRects(window_, areas.data(), static_cast<int>(areas.size()));
  return pixels;
}

void SdlWindow::CopyArea(const Canvas& canvas, SDL_Surface& surface, const SDL_Rect& area) {
  const std::uint32_t* source =
      canvas.Pixels() + static_cast<std::size_t>(area.y) * canvas.Width() + area.x;
  auto* target = static_cast<std::uint8_t*>(surface.pixels) +
                 static_cast<std::size_t>(area.y) * surface.pitch +
                 static_cast<std::size_t>(area.x) * surface.format->BytesPerPixel;
  SDL_ConvertPixels(area.w, area.h, SDL_PIXELFORMAT_RGB888, source, canvas.Width() * 4,
                    surface.format->format, target, surface.pitch);
}

}  // namespace forms
