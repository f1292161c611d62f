// Where the game's windows go on the display: maximised ones cover it, the splash is centred.
#include <SDL.h>
#include <gtest/gtest.h>

#include "game/forms/sdl/sdl_window.h"

namespace forms {
namespace {

TEST(PlaceWindow, MaximisedCentredAndPlainWindows) {
  const PixelRect display{0, 0, 1920, 1080};
  const PixelRect second_display{1920, 0, 1280, 1024};
  const struct {
    WindowSpec spec;
    PixelRect display;
    PixelRect place;
  } cases[] = {
      {{"menu", 0, 0, true, false}, display, {0, 0, 1920, 1080}},
      {{"menu", 640, 480, true, true}, second_display, {1920, 0, 1280, 1024}},
      {{"splash", 400, 300, false, true}, display, {760, 390, 400, 300}},
      {{"splash", 401, 301, false, true}, second_display, {2359, 361, 401, 301}},
      {{"wide", 2000, 100, false, true}, display, {-40, 490, 2000, 100}},
      {{"plain", 320, 200, false, false}, second_display, {1920, 0, 320, 200}},
      {{"empty", 0, -5, false, false}, display, {0, 0, 1, 1}},
  };
  for (const auto& c : cases) {
    const PixelRect place = PlaceWindow(c.spec, c.display);
    EXPECT_EQ(place.x, c.place.x) << c.spec.caption;
    EXPECT_EQ(place.y, c.place.y) << c.spec.caption;
    EXPECT_EQ(place.w, c.place.w) << c.spec.caption;
    EXPECT_EQ(place.h, c.place.h) << c.spec.caption;
  }
}

TEST(WindowFlags, WaylandFormsTakeTheFullScreenState) {
  const Uint32 full = SDL_WINDOW_FULLSCREEN_DESKTOP, top = SDL_WINDOW_ALWAYS_ON_TOP;
  const struct {
    WindowSpec spec;
    bool wayland;
    Uint32 wanted, unwanted;
  } cases[] = {
      {{"menu", 0, 0, true, false}, true, full, top},
      {{"menu", 0, 0, true, false}, false, 0, full | top},
      {{"splash", 400, 300, false, true}, true, 0, full},
      {{"cover", 0, 0, true, false, true}, true, top, full},
  };
  for (const auto& c : cases) {
    const Uint32 flags = WindowFlags(c.spec, c.wayland);
    EXPECT_EQ(flags & (SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN),
              Uint32{SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN})
        << c.spec.caption;
    EXPECT_EQ(flags & c.wanted, c.wanted) << c.spec.caption << " wayland=" << c.wayland;
    EXPECT_EQ(flags & c.unwanted, 0u) << c.spec.caption << " wayland=" << c.wayland;
  }
}

}  // namespace
}  // namespace forms
