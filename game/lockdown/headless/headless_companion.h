// The headless companion system for tests: a scripted process list, windows and settings, and
// recorded program starts.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/lockdown/companion_system.h"

namespace lockdown {

class HeadlessCompanion : public CompanionSystem {
 public:
  struct ProgramStart {
    std::string path;
    int style;
    bool waited = false;  // the caller waited for the program to end
  };

  // What the program did.
  std::vector<ProgramStart> started_programs;      // the starts that succeeded
  std::vector<std::string> closed_window_classes;  // windows of this class asked to close
  // When set, every call that waits on another program is noted here ("start", "start+wait",
  // "close"), in order with the keyboard lock's calls.
  std::vector<std::string>* calls = nullptr;

  // Settings, before the program starts.
  std::optional<std::vector<std::string>> processes = std::vector<std::string>{};
  std::vector<std::string> window_classes;  // top-level windows of other programs, by class
  bool programs_must_exist = true;          // StartProgram fails for a path that names no file
  // Settings files: "file|section|key" (as asked, letter case included) to value.
  std::map<std::string, int> settings;
  // A program started and waited for may act on the windows, as the companion's second start
  // closes the running companion's window.
  std::function<void(const std::string& path)> on_program_run;

  std::optional<std::vector<std::string>> ListProcesses() override { return processes; }
  bool StartProgram(const std::string& path, int window_style) override;
  // Recorded in started_programs as well, with waited set.
  bool StartProgramAndWait(const std::string& path, int window_style) override;
  bool WindowOfClassExists(const std::string& window_class) override;
  int ReadSettingsInt(const std::string& file, const std::string& section, const std::string& key,
                      int default_value) override;
  bool CloseWindowOfClass(const std::string& window_class) override;

 private:
  void Note(const char* call);
  bool Start(const std::string& path, int window_style);
};

}  // namespace lockdown
