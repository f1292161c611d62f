// One SDL window of the game: borderless, placed explicitly, showing a form's canvas.
#pragma once

#include <cstdint>
#include <vector>

#include "game/forms/platform.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace forms {

class Canvas;

class SdlWindow {
 public:
  // Throws std::runtime_error when SDL cannot create the window or its renderer.
  SdlWindow(const WindowSpec& spec, const PixelRect& display);
  ~SdlWindow();
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  std::uint32_t SdlId() const;
  bool Visible() const { return visible_; }
  void Show(bool visible);
  void TakeFocus();
  void SetKeyboardGrab(bool grab);
  // Copies the dirty rectangles of the canvas into the texture and presents the window.
  // Returns the number of pixels copied.
  long Present(const Canvas& canvas, const std::vector<PixelRect>& dirty);
  void Redraw();  // presents the texture again, as it is

 private:
  bool FitTexture(int width, int height);

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int texture_width_ = 0, texture_height_ = 0;  // pixels
  bool visible_ = false;
};

// Where a window of this spec goes on a display with these bounds.
PixelRect PlaceWindow(const WindowSpec& spec, const PixelRect& display);

}  // namespace forms
