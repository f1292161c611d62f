// The game's entry: this system's platform and services, the application, the splash first.
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "game/forms/application.h"
#include "game/forms/native_platform.h"
#include "game/forms/resolve_path.h"
#include "game/shell/game.h"
#include "game/shell/game_version.h"

#ifdef _WIN32
#include "game/lockdown/companion_system_win32.h"
#include "game/lockdown/keyboard_lock_win32.h"
#include "game/sound/wave_output_win32.h"
#else
#include "game/lockdown/console_keys_watcher.h"
#include "game/lockdown/keyboard_lock_linux.h"
#include "game/sound/wave_output_sdl.h"
#endif

using forms::NativePlatform;

namespace {

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

int main(int argc, char** argv) {
#ifndef _WIN32
  // The game program started again as the keeper of the display's console keys.
  if (lockdown::IsConsoleKeysWatcherCall(argc, argv)) return lockdown::RunConsoleKeysWatcher();
#else
  (void)argc;
  (void)argv;
#endif
  auto platform = OpenPlatform();
  if (!platform) return 1;
  forms::Application app(*platform, shell::kGameVersion);
#ifdef _WIN32
  sound::Win32WaveOutput sound;
  lockdown::Win32KeyboardLock keyboard;
  lockdown::Win32CompanionSystem companion_system;
  lockdown::CompanionSystem* companion = &companion_system;
#else
  sound::SdlWaveOutput sound([](const std::string& path) { return forms::ResolvePath(path); });
  // The keyboard map is the whole display's: whatever way the game ends, it is put back.
  lockdown::ConsoleKeysX11 console_keys;
  lockdown::LinuxKeyboardLock keyboard(app,
                                       platform->VideoDriver() == "x11" ? &console_keys : nullptr);
  lockdown::CompanionSystem* companion = nullptr;  // the companion is Windows-only
#endif
  shell::Game game(app, sound, keyboard, companion);
  return app.Run(game.frmSplash);
}
