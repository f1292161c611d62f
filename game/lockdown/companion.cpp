// Starting and stopping the companion key blocker: a first start runs it, a second closes it.
#include "game/lockdown/companion.h"

#include <algorithm>
#include <string>

#include "game/forms/errors.h"
#include "game/forms/ignore_case.h"
#include "game/forms/resolve_path.h"
#include "settings.h"

namespace lockdown {

namespace {

constexpr char kCompanionExe[] = "Muzzle.exe";
constexpr char kCompanionWindowClass[] = "MuzzleFrame";  // the running companion's identity

std::string CompanionPath(const std::string& app_folder) {
  return app_folder + "\\" + kCompanionExe;
}

void StartCompanion(CompanionSystem& system, const std::string& app_folder) {
  const std::string path = CompanionPath(app_folder);
  if (!system.StartProgram(path, kShowMinimizedWithFocus)) forms::ThrowFileNotFound(path);
}

// What a second start of "\Muzzle.exe" would read: "Muzzle.ini" beside it.
bool ShutDownWhenRunAgain(CompanionSystem& system, const std::string& app_folder) {
  const std::string file = app_folder + "\\" + blocker::kSettingsFileName;
  return blocker::SettingOn(
      [&](const char* key, int default_value) {
        return system.ReadSettingsInt(file, blocker::kSettingsSection, key, default_value);
      },
      blocker::Setting::kShutDownWhenRunAgain);
}

}  // namespace

bool StartCompanionUnlessRunning(CompanionSystem& system, const std::string& app_folder) {
  const auto processes = system.ListProcesses();
  // Without a process list the companion check is skipped; the caller goes on with its load.
  if (!processes) return false;
  const bool running = std::any_of(processes->begin(), processes->end(), [](const auto& name) {
    // Whole names, letter case ignored, as the file system that holds them compares them.
    return forms::SameIgnoringCase(name, kCompanionExe);
  });
  if (running) return false;
  StartCompanion(system, app_folder);
  return true;
}

void StopCompanion(CompanionSystem& system, const std::string& app_folder) {
  if (!system.WindowOfClassExists(kCompanionWindowClass)) return;
  const std::string path = CompanionPath(app_folder);
  if (forms::ResolvePath(path).empty() && ShutDownWhenRunAgain(system, app_folder)) {
    // Without the program no second start can close the running companion: close its window
    // as that start would, so the game leaves nothing running when it reports the file.
    system.CloseWindowOfClass(kCompanionWindowClass);
  }
  // The second start closes the companion before it ends. Waited for, since a companion that
  // ends with the game could otherwise be gone before that start looks for it, which would then
  // stay running as a fresh companion.
  if (!system.StartProgramAndWait(path, kShowMinimizedWithFocus)) forms::ThrowFileNotFound(path);
}

}  // namespace lockdown
