// The game's entry: the settings, this system's platform and services, the application, the
// splash first.
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/forms/application.h"
#include "game/forms/native_platform.h"
#include "game/forms/resolve_path.h"
#include "game/settings/settings_file.h"
#include "game/settings/settings_store.h"
#include "game/settings/voice_language.h"
#include "game/shell/game.h"
#include "game/shell/game_version.h"
#include "game/shell/start_options.h"

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

// The settings file and the command line, each problem one line on stderr. Windows has no
// stderr for a parent to read, and never shows a box for a setting.
void StartWithSettings(shell::Game& game, const std::string& app_folder,
                       const shell::CommandLine& line) {
  const auto has_voice = [&](const std::string& code) {
    return !forms::ResolvePath(app_folder + "\\voices\\" + code + "\\a.wav").empty();
  };
  shell::StartSettings start = shell::ReadStartSettings(settings::SettingsPath(), line,
                                                        settings::ComputerLanguage(), has_voice);
  game.state.settings = start.settings;
  game.state.voice_language = start.voice_language;
#ifndef _WIN32
  for (const std::string& problem : start.problems) {
    std::fprintf(stderr, "wobbleton-playboard: %s\n", problem.c_str());
  }
#endif
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  (void)argc, (void)argv;
  const shell::CommandLine line;  // WOB.exe takes no options
#else
  // The game program started again as the keeper of the display's console keys.
  if (lockdown::IsConsoleKeysWatcherCall(argc, argv)) return lockdown::RunConsoleKeysWatcher();
  const shell::CommandLine line = shell::ParseCommandLine({argv + 1, argv + argc});
  if (line.help) {
    std::fputs(shell::kUsage, stdout);
    return 0;
  }
  if (!line.unknown.empty()) {
    std::fprintf(stderr, "wobbleton-playboard: unknown option %s; --help lists the options\n",
                 line.unknown.c_str());
    return 2;
  }
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
  settings::SettingsStore store(settings::SettingsPath(),
                                settings::LoadSettings(settings::SettingsPath()).ini);
  shell::Game game(app, sound, keyboard, companion, &store);
  StartWithSettings(game, app.Path(), line);
  sound.SetGain(shell::GainFor(game.state.settings.volume));
  return app.Run(game.frmSplash);
}
