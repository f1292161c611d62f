// The SDL platform on SDL's offscreen video and dummy audio drivers: no display needed.
#include "game/forms/sdl/sdl_platform.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "game/forms/canvas.h"
#include "game/forms/picture.h"

namespace forms {
namespace {

class SdlPlatformTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_RENDER_DRIVER", "software", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }

  // A shown window whose start-up events have been read.
  WindowId ShownWindow(const WindowSpec& spec) {
    const WindowId window = platform.CreateWindow(spec);
    platform.ShowWindow(window, true);
    Drain();
    return window;
  }
  void Drain() {
    Event event;
    for (int i = 0; i < 100 && platform.WaitEvent(event, platform.NowMs()); ++i) {
    }
  }
  static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }
  static SDL_Event Key(Uint32 type, SDL_Scancode scancode, SDL_Keycode keycode, Uint16 mod) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.scancode = scancode;
    event.key.keysym.sym = keycode;
    event.key.keysym.mod = mod;
    return event;
  }
  // The next event, without waiting.
  std::optional<Event> Next() {
    Event event;
    if (!platform.WaitEvent(event, platform.NowMs() - 1)) return std::nullopt;
    return event;
  }

  SdlPlatform platform;
};

TEST_F(SdlPlatformTest, DisplayAndScale) {
  const PixelRect display = platform.DisplayBounds();
  EXPECT_GT(display.w, 0);
  EXPECT_GT(display.h, 0);
  EXPECT_EQ(platform.TwipsPerPixel(), 15);
  const std::vector<PixelRect> displays = platform.Displays();
  ASSERT_FALSE(displays.empty());
  EXPECT_EQ(displays[0].w, display.w);
  EXPECT_EQ(displays[0].h, display.h);
}

TEST_F(SdlPlatformTest, AppFolderIsTheExecutablesFolderWithoutTrailingSlash) {
  char exe[PATH_MAX] = {};
  ASSERT_GT(readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
  EXPECT_EQ(platform.AppFolder(), std::filesystem::path(exe).parent_path().string());
}

TEST_F(SdlPlatformTest, APastDeadlineNeverBlocks) {
  ShownWindow({"menu", 0, 0, true, false});
  const double before = platform.NowMs();
  EXPECT_FALSE(Next().has_value());
  EXPECT_GE(platform.NowMs(), before);
}

TEST_F(SdlPlatformTest, KeysArriveTranslatedForTheTopWindow) {
  ShownWindow({"menu", 0, 0, true, false});
  const WindowId top = ShownWindow({"screen", 0, 0, true, false});
  Push(Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_NONE));
  auto down = Next();
  ASSERT_TRUE(down.has_value());
  EXPECT_EQ(down->kind, Event::Kind::kKeyDown);
  EXPECT_EQ(down->key, 0x0D);
  EXPECT_EQ(down->window, top);
  auto enter = Next();
  ASSERT_TRUE(enter.has_value());
  EXPECT_EQ(enter->kind, Event::Kind::kChar);
  EXPECT_EQ(enter->ch, 13);
}

TEST_F(SdlPlatformTest, QuitAndCloseRequestsAreIgnored) {
  const WindowId window = ShownWindow({"menu", 0, 0, true, false});
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  Push(quit);
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  Push(close);
  EXPECT_FALSE(Next().has_value());
  platform.DestroyWindow(window);
}

TEST_F(SdlPlatformTest, TheKeyboardGrabHoldsLaterWindowsAndFiltersNoKey) {
  ShownWindow({"menu", 0, 0, true, false});
  platform.SetKeyboardGrab(true);
  ShownWindow({"screen", 0, 0, true, false});
  // Which keys the game refuses is the lockdown's filter, on the application: the platform
  // passes them all.
  Push(Key(SDL_KEYDOWN, SDL_SCANCODE_LGUI, SDLK_LGUI, KMOD_LGUI));
  auto windows_key = Next();
  ASSERT_TRUE(windows_key.has_value());
  EXPECT_EQ(windows_key->key, 0x5B);
  platform.SetKeyboardGrab(false);
  platform.SetKeyboardGrab(false);
}

TEST_F(SdlPlatformTest, FramesKeepTheirPixelsPresentOddRectanglesAndComeBackBlack) {
  const WindowId splash = ShownWindow({"splash", 320, 200, false, true});
  Canvas* frame = platform.FrameBuffer(splash, 320, 200);
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(frame->Bounds().w, 320);
  for (int y = 0; y < 200; ++y) frame->Row(y)[y] = Rgb(255, 0, 0);
  platform.Present(splash, {{0, 0, 320, 200}});
  platform.Present(splash, {{-50, -50, 100, 100}, {300, 190, 500, 500}, {10, 10, 0, 0}});
  platform.Present(splash, {});
  frame = platform.FrameBuffer(splash, 320, 200);
  EXPECT_EQ(frame->At(150, 150), Rgb(255, 0, 0)) << "a frame keeps what was drawn";

  platform.ReleaseFrameBuffer(splash);
  platform.Present(splash, {{0, 0, 1, 1}});  // nothing to show, nothing happens
  Drain();
  frame = platform.FrameBuffer(splash, 320, 200);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->Bounds().h, 200) << "a released frame comes back at its size";
  platform.Present(splash, {{0, 0, 320, 200}});
  EXPECT_EQ(platform.FrameBuffer(WindowId{12345}, 1, 1), nullptr);
  platform.Present(WindowId{12345}, {{0, 0, 1, 1}});
  platform.ShowWindow(splash, false);
  platform.DestroyWindow(splash);
  platform.DestroyWindow(splash);
  platform.ShowWindow(splash, true);
  Drain();
}

TEST_F(SdlPlatformTest, CursorsFromPicturesAndTheDefault) {
  const WindowId window = ShownWindow({"menu", 0, 0, true, false});
  std::vector<std::uint32_t> pixels(32 * 32, 0xFF00FF00u);
  const Picture icon(32, 32, pixels);
  const Picture same(32, 32, pixels);
  const Picture broken(32, 32, {});
  platform.SetCursor(window, &icon);
  platform.SetCursor(window, &same);
  platform.SetCursor(window, &broken);
  platform.SetCursor(window, nullptr);
  platform.SetCursor(WindowId{12345}, &icon);
}

TEST_F(SdlPlatformTest, TheSystemTimerLiesWithinADay) {
  const double seconds = platform.SecondsSinceMidnight();
  EXPECT_GE(seconds, 0.0);
  EXPECT_LT(seconds, 86401.0);
}

}  // namespace
}  // namespace forms
