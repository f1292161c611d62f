// Starting and stopping the companion key blocker: a first start runs it, a second closes it.
#include "game/lockdown/companion.h"

#include <algorithm>
#include <string>

#include "game/forms/errors.h"
#include "game/forms/ignore_case.h"
#include "game/forms/resolve_path.h"

namespace lockdown {

namespace {

constexpr char kCompanionExe[] = "Muzzle.exe";
constexpr char kCompanionWindowClass[] = "MuzzleFrame";  // the running companion's identity

std::string CompanionPath(const std::string& app_folder) {
  return app_folder + "\\" + kCompanionExe;
}

void StartCompanion(LockdownService& system, const std::string& app_folder) {
  const std::string path = CompanionPath(app_folder);
  if (!system.StartProgram(path, kShowMinimizedWithFocus)) forms::ThrowFileNotFound(path);
}

}  // namespace

void StartCompanionUnlessRunning(LockdownService& system, const std::string& app_folder) {
  if (!system.UsesCompanion()) return;
  const auto processes = system.ListProcesses();
  // Without a process list the companion check is skipped; the caller goes on with its load.
  if (!processes) return;
  const bool running = std::any_of(processes->begin(), processes->end(), [](const auto& name) {
    // Whole names, letter case ignored, as the file system that holds them compares them.
    return forms::SameIgnoringCase(name, kCompanionExe);
  });
  if (!running) StartCompanion(system, app_folder);
}

void StopCompanion(LockdownService& system, const std::string& app_folder) {
  if (!system.UsesCompanion()) return;
  if (forms::ResolvePath(CompanionPath(app_folder)).empty()) {
    // Without the program no second start can close the running companion: close its window
    // as that start would, so the game leaves nothing running when it reports the file.
    system.CloseWindowOfClass(kCompanionWindowClass);
  }
  StartCompanion(system, app_folder);
}

}  // namespace lockdown
