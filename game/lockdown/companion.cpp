// Starting and stopping the companion key blocker: a first start runs it, a second closes it.
#include "game/lockdown/companion.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "game/forms/picture.h"

namespace lockdown {

namespace {

constexpr char kCompanionExe[] = "Muzzle.exe";
constexpr char kCompanionWindowClass[] = "MuzzleFrame";  // the running companion's identity

// Process names compare whole and ignoring case, as the file system that holds them does.
bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

void StartCompanion(forms::Application& app) {
  app.StartProgram(app.Path() + "\\" + kCompanionExe, forms::kShowMinimizedWithFocus);
}

}  // namespace

void StartCompanionUnlessRunning(forms::Application& app) {
  if (!app.Host().UsesCompanion()) return;
  const auto processes = app.Host().ListProcesses();
  // Without a process list the companion check is skipped; the caller goes on with its load.
  if (!processes) return;
  const bool running = std::any_of(processes->begin(), processes->end(), [](const auto& name) {
    return SameNameIgnoringCase(name, kCompanionExe);
  });
  if (!running) StartCompanion(app);
}

void StopCompanion(forms::Application& app) {
  if (!app.Host().UsesCompanion()) return;
  if (forms::ResolvePath(app.Path() + "\\" + kCompanionExe).empty()) {
    // Without the program no second start can close the running companion: close its window
    // as that start would, so the game leaves nothing running when it reports the file.
    app.Host().CloseWindowOfClass(kCompanionWindowClass);
  }
  StartCompanion(app);
}

}  // namespace lockdown
