// The game's entry: the settings, this system's backends, the application, the splash first.
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/activity/screen_table.h"
#include "game/forms/application.h"
#include "game/forms/resolve_path.h"
#include "game/settings/settings_file.h"
#include "game/settings/settings_store.h"
#include "game/settings/voice_language.h"
#include "game/shell/game.h"
#include "game/shell/game_version.h"
#include "game/shell/native_backends.h"
#include "game/shell/start_options.h"

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

// The settings file and the command line, each problem one line on stderr. Windows has no
// stderr for a parent to read, and never shows a box for a setting.
void StartWithSettings(shell::Game& game, const std::string& app_folder,
                       const shell::CommandLine& line) {
  const auto has_voice = [&](const std::string& code) {
    return !forms::ResolvePath(activity::VoiceClip(app_folder, code, "a")).empty();
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
  if (const auto helper = shell::RunBackendHelper(argc, argv)) return *helper;
#ifdef _WIN32
  const shell::CommandLine line;  // WOB.exe takes no options
#else
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
  auto backends = OpenBackends();
  if (!backends) return 1;
  forms::Application app(backends->Platform(), shell::kGameVersion);
  const auto services = backends->OpenServices(app);
  settings::SettingsStore store(settings::SettingsPath(),
                                settings::LoadSettings(settings::SettingsPath()).ini);
  shell::Game game(app, services->Sound(), services->Keyboard(), services->Companion(), &store);
  StartWithSettings(game, app.Path(), line);
  services->Sound().SetGain(shell::GainFor(game.state.settings.volume));
  return app.Run(game.frmSplash);
}
