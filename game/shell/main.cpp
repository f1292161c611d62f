// The game's entry: the platform of this system, the application, the game, the splash first.
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "game/forms/application.h"
#include "game/shell/game.h"

#ifdef _WIN32
#include "game/forms/win32/win32_platform.h"
using NativePlatform = forms::Win32Platform;
#else
#include "game/forms/sdl/sdl_platform.h"
using NativePlatform = forms::SdlPlatform;
#endif

namespace {

constexpr forms::Version kGameVersion{1, 0, 0};

// The platform cannot come up without a display; say so plainly rather than crash.
std::unique_ptr<NativePlatform> OpenPlatform() {
  try {
    return std::make_unique<NativePlatform>();
  } catch (const std::runtime_error& error) {
    std::fprintf(stderr, "Wobbleton Playboard cannot start: %s\n", error.what());
    return nullptr;
  }
}

}  // namespace

int main() {
  auto platform = OpenPlatform();
  if (!platform) return 1;
  forms::Application app(*platform, kGameVersion);
  shell::Game game(app);
  return app.Run(game.frmSplash);
}
