// The headless companion system: records what the game asked for; starts need a real file.
#include "game/lockdown/headless/headless_companion.h"

#include <algorithm>

#include "game/forms/resolve_path.h"

namespace lockdown {

void HeadlessCompanion::Note(const char* call) {
  if (calls != nullptr) calls->push_back(call);
}

bool HeadlessCompanion::Start(const std::string& path, int window_style) {
  if (programs_must_exist && forms::ResolvePath(path).empty()) return false;
  started_programs.push_back({path, window_style});
  return true;
}

bool HeadlessCompanion::StartProgram(const std::string& path, int window_style) {
  Note("start");
  return Start(path, window_style);
}

bool HeadlessCompanion::StartProgramAndWait(const std::string& path, int window_style) {
  Note("start+wait");
  if (!Start(path, window_style)) return false;
  started_programs.back().waited = true;
  if (on_program_run) on_program_run(path);
  return true;
}

bool HeadlessCompanion::WindowOfClassExists(const std::string& window_class) {
  return std::find(window_classes.begin(), window_classes.end(), window_class) !=
         window_classes.end();
}

int HeadlessCompanion::ReadSettingsInt(const std::string& file, const std::string& section,
                                       const std::string& key, int default_value) {
  const auto found = settings.find(file + "|" + section + "|" + key);
  return found == settings.end() ? default_value : found->second;
}

bool HeadlessCompanion::CloseWindowOfClass(const std::string& window_class) {
  Note("close");
  const auto found = std::find(window_classes.begin(), window_classes.end(), window_class);
  if (found == window_classes.end()) return false;
  window_classes.erase(found);
  closed_window_classes.push_back(window_class);
  return true;
}

}  // namespace lockdown
