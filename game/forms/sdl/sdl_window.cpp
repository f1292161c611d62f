// One SDL window of the game: borderless, placed explicitly, showing a form's canvas.
#include "game/forms/sdl/sdl_window.h"

#include <SDL.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "game/forms/canvas.h"

namespace forms {

PixelRect PlaceWindow(const WindowSpec& spec, const PixelRect& display) {
  // Without a window manager (Xvfb, a kiosk session) SDL's fullscreen-desktop flag can leave
  // a 1 x 1 window, so a maximised window is simply put at the display's bounds.
  if (spec.maximised) return display;
  const int width = std::max(1, spec.width), height = std::max(1, spec.height);
  if (!spec.centred) return {display.x, display.y, width, height};
  return {display.x + (display.w - width) / 2, display.y + (display.h - height) / 2, width, height};
}

SdlWindow::SdlWindow(const WindowSpec& spec, const PixelRect& display) {
  const PixelRect place = PlaceWindow(spec, display);
  window_ = SDL_CreateWindow(spec.caption.c_str(), place.x, place.y, place.w, place.h,
                             SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
  if (window_ != nullptr) renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (renderer_ == nullptr) {
    const std::string reason = SDL_GetError();
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    throw std::runtime_error("Cannot create a window: " + reason);
  }
}

SdlWindow::~SdlWindow() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  SDL_DestroyRenderer(renderer_);
  SDL_DestroyWindow(window_);
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
  SDL_RaiseWindow(window_);
  TakeFocus();
}

void SdlWindow::TakeFocus() {
  // Without a window manager nobody gives a new window the keyboard focus; X11 then sends
  // keys to whatever lies under the pointer. Ask for it explicitly.
  if (visible_) SDL_SetWindowInputFocus(window_);
}

void SdlWindow::SetKeyboardGrab(bool grab) {
  SDL_SetWindowKeyboardGrab(window_, grab ? SDL_TRUE : SDL_FALSE);
}

bool SdlWindow::FitTexture(int width, int height) {
  if (texture_ != nullptr && width == texture_width_ && height == texture_height_) return false;
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  // RGB888 is SDL's name for 32-bit 0x00RRGGBB, the canvas's own layout: no conversion.
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                               width, height);
  texture_width_ = width;
  texture_height_ = height;
  return true;
}

long SdlWindow::Present(const Canvas& canvas, const std::vector<PixelRect>& dirty) {
  const int width = canvas.Width(), height = canvas.Height();
  if (width <= 0 || height <= 0) return 0;
  const bool whole = FitTexture(width, height);
  if (texture_ == nullptr) return 0;
  std::vector<PixelRect> rects = whole ? std::vector<PixelRect>{{0, 0, width, height}} : dirty;
  long copied = 0;
  for (const PixelRect& rect : rects) {
    const int x0 = std::max(0, rect.x), y0 = std::max(0, rect.y);
    const int x1 = std::min(width, rect.x + rect.w), y1 = std::min(height, rect.y + rect.h);
    if (x1 <= x0 || y1 <= y0) continue;
    const SDL_Rect area{x0, y0, x1 - x0, y1 - y0};
    const std::uint32_t* first = canvas.Pixels() + static_cast<std::size_t>(y0) * width + x0;
    SDL_UpdateTexture(texture_, &area, first, width * 4);
    copied += static_cast<long>(area.w) * area.h;
  }
  Redraw();
  return copied;
}

void SdlWindow::Redraw() {
  if (texture_ == nullptr) return;
  // The back buffer's content is undefined after a present, so the whole texture goes again;
  // it lies 1:1 at the top left so that pixels and mouse positions agree.
  const SDL_Rect area{0, 0, texture_width_, texture_height_};
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, &area);
  SDL_RenderPresent(renderer_);
}

}  // namespace forms
