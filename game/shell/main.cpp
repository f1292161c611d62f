// The game's entry: this system's backends, the application, the splash first.
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "game/forms/application.h"
#include "game/shell/game.h"
#include "game/shell/game_version.h"
#include "game/shell/native_backends.h"

namespace {

// The platform cannot come up without a display; say so plainly rather than crash.
std::unique_ptr<shell::NativeBackends> OpenBackends() {
  try {
    return shell::OpenNativeBackends();
  } catch (const std::runtime_error& error) {
    std::fprintf(stderr, "Wobbleton Playboard cannot start: %s\n", error.what());
    return nullptr;
  }
}

}  // namespace

int main() {
  auto backends = OpenBackends();
  if (!backends) return 1;
  forms::Application app(backends->Platform(), shell::kGameVersion);
  const auto services = backends->OpenServices(app);
  shell::Game game(app, services->Sound(), services->Lockdown());
  return app.Run(game.frmSplash);
}
