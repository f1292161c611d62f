// The choice of SDL's video driver and the fall-back to the next one when a driver cannot start.
#include "game/forms/sdl/sdl_video_driver.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

namespace forms {
namespace {

struct DriverCase {
  const char* wayland_display;
  const char* sdl_videodriver;
  std::vector<std::string> expected;
};

TEST(VideoDriverCandidates, WaylandSessionsTryWaylandThenX11) {
  const DriverCase cases[] = {
      {nullptr, nullptr, {""}},                    // X11 session: SDL's own order
      {"", nullptr, {""}},                         // an empty variable is no session
      {"wayland-0", nullptr, {"wayland", "x11"}},  // Wayland session
      {"wayland-1", "", {"wayland", "x11"}},       // an empty choice is no choice
      {"wayland-0", "x11", {""}},                  // the user's choice stands
      {nullptr, "offscreen", {""}},                // the tests' choice stands
  };
  for (const DriverCase& c : cases) {
    EXPECT_EQ(VideoDriverCandidates(c.wayland_display, c.sdl_videodriver), c.expected)
        << "WAYLAND_DISPLAY=" << (c.wayland_display ? c.wayland_display : "(unset)")
        << " SDL_VIDEODRIVER=" << (c.sdl_videodriver ? c.sdl_videodriver : "(unset)");
  }
}

class StartVideoTest : public testing::Test {
 protected:
  // The variable would override every driver the game asks for.
  void SetUp() override { unsetenv("SDL_VIDEODRIVER"); }
  void TearDown() override {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
  }
};

TEST_F(StartVideoTest, FallsBackToTheNextDriverAndSaysWhichRuns) {
  testing::internal::CaptureStderr();
  const std::string running = StartVideo({"no-such-driver", "offscreen"});
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(running, "offscreen");
  EXPECT_STREQ(SDL_GetCurrentVideoDriver(), "offscreen");
  EXPECT_NE(said.find("the no-such-driver video driver cannot start"), std::string::npos) << said;
  EXPECT_NE(said.find("trying offscreen"), std::string::npos) << said;
  EXPECT_NE(said.find("video driver offscreen\n"), std::string::npos) << said;
}

TEST_F(StartVideoTest, NoDriverThatStartsIsAClearError) {
  EXPECT_THROW(StartVideo({"no-such-driver", "nor-this-one"}), std::runtime_error);
  EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
  try {
    StartVideo({});
    FAIL() << "no candidates must not start a driver";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "no video driver to try");
  }
}

}  // namespace
}  // namespace forms
