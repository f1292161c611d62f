// The game's entry: this system's platform and services, the application, the splash first.
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "game/forms/application.h"
#include "game/forms/native_platform.h"
#include "game/forms/resolve_path.h"
#include "game/settings/settings_file.h"
#include "game/settings/settings_store.h"
#include "game/shell/game.h"
#include "game/shell/game_version.h"

#ifdef _WIN32
#include "game/lockdown/lockdown_service_win32.h"
#include "game/sound/wave_output_win32.h"
#else
#include "game/lockdown/lockdown_service_posix.h"
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

int main() {
  auto platform = OpenPlatform();
  if (!platform) return 1;
  forms::Application app(*platform, shell::kGameVersion);
#ifdef _WIN32
  sound::Win32WaveOutput sound;
  lockdown::Win32Lockdown lockdown;
#else
  sound::SdlWaveOutput sound([](const std::string& path) { return forms::ResolvePath(path); });
  // The keyboard map is the whole display's: whatever way the game ends, it is put back.
  lockdown::ConsoleKeysX11 console_keys;
  lockdown::PosixLockdown lockdown(app, platform->VideoDriver() == "x11" ? &console_keys : nullptr);
#endif
  settings::LoadedSettings loaded = settings::LoadSettings(settings::SettingsPath());
#ifndef _WIN32
  for (const std::string& problem : loaded.problems) std::fprintf(stderr, "%s\n", problem.c_str());
#endif
  settings::SettingsStore store(settings::SettingsPath(), loaded.ini);
  shell::Game game(app, sound, lockdown, &store);
  game.state.settings = loaded.settings;
  sound.SetGain(shell::GainFor(loaded.settings.volume));
  return app.Run(game.frmSplash);
}
