// The headless lockdown: records what the game asked for; the program starts need a real file.
#include "game/lockdown/lockdown_service_headless.h"

#include <algorithm>

#include "game/forms/resolve_path.h"

namespace lockdown {

bool HeadlessLockdown::StartProgram(const std::string& path, int window_style) {
  if (programs_must_exist && forms::ResolvePath(path).empty()) return false;
  started_programs.push_back({path, window_style});
  return true;
}

bool HeadlessLockdown::StartProgramAndWait(const std::string& path, int window_style) {
  if (!StartProgram(path, window_style)) return false;
  started_programs.back().waited = true;
  if (on_program_run) on_program_run(path);
  return true;
}

bool HeadlessLockdown::WindowOfClassExists(const std::string& window_class) {
  return std::find(window_classes.begin(), window_classes.end(), window_class) !=
         window_classes.end();
}

int HeadlessLockdown::ReadSettingsInt(const std::string& file, const std::string& section,
                                      const std::string& key, int default_value) {
  const auto found = settings.find(file + "|" + section + "|" + key);
  return found == settings.end() ? default_value : found->second;
}

bool HeadlessLockdown::CloseWindowOfClass(const std::string& window_class) {
  const auto found = std::find(window_classes.begin(), window_classes.end(), window_class);
  if (found == window_classes.end()) return false;
  window_classes.erase(found);
  closed_window_classes.push_back(window_class);
  return true;
}

std::intptr_t HeadlessLockdown::InstallKeyboardHook() {
  if (!hook_available) return 0;
  hook_installs.push_back(next_hook_);
  return next_hook_++;
}

}  // namespace lockdown
