// The whole game: the forms wired to each other and to the shared state.
#include "game/shell/game.h"

#include <chrono>
#include <cstdio>

#include "game/settings/settings_file.h"

namespace shell {

Game::Game(forms::Application& app, sound::WaveOutput& sound, lockdown::KeyboardLock& keyboard,
           lockdown::CompanionSystem* companion, settings::SettingsStore* store)
    : keeper(SystemPaintingKeeper()),
      frmLetters(app, state, sound, activity::kLetters),
      frmNumbers(app, state, sound, activity::kNumbers),
      frmShapes(app, state, sound, activity::kShapes),
      frmPaint(app, state, &keeper),
      frmParent(app, state, store ? *store : own_store, sound),
      WOB(app, state, keyboard, companion,
          MenuScreens{frmLetters, frmNumbers, frmShapes, frmPaint, &frmParent}),
      frmSplash(app, WOB) {}

// A painting that cannot be kept never interrupts play: Linux says so in one line on stderr,
// Windows, where a game has no console, says nothing.
paint::PaintingKeeper SystemPaintingKeeper() {
  const auto folder = [] {
    const std::filesystem::path pictures = settings::PicturesFolder();
    return pictures.empty() ? pictures : pictures / "Wobbleton Playboard";
  };
  const auto clock = [] {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
  };
  const auto report = [](const std::string& line) {
#ifdef _WIN32
    (void)line;
#else
    std::fprintf(stderr, "%s\n", line.c_str());
#endif
  };
  return paint::PaintingKeeper(folder, clock, report);
}

}  // namespace shell
