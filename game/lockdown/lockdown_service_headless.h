// The headless lockdown for tests: a scripted process list and windows, recorded starts and hooks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/lockdown/lockdown_service.h"

namespace lockdown {

class HeadlessLockdown : public LockdownService {
 public:
  struct ProgramStart {
    std::string path;
    int style;
  };

  // What the program did.
  std::vector<ProgramStart> started_programs;      // the starts that succeeded
  std::vector<std::intptr_t> hook_installs;        // handles given out
  std::vector<std::intptr_t> hook_removals;        // every removal asked for
  std::vector<std::string> closed_window_classes;  // windows of this class asked to close

  // Settings, before the program starts.
  bool uses_companion = true;
  std::optional<std::vector<std::string>> processes = std::vector<std::string>{};
  std::vector<std::string> window_classes;  // top-level windows of other programs, by class
  bool hook_available = true;
  bool programs_must_exist = true;  // StartProgram fails for a path that names no file

  bool UsesCompanion() override { return uses_companion; }
  std::optional<std::vector<std::string>> ListProcesses() override { return processes; }
  bool StartProgram(const std::string& path, int window_style) override;
  bool CloseWindowOfClass(const std::string& window_class) override;
  std::intptr_t InstallKeyboardHook() override;
  void RemoveKeyboardHook(std::intptr_t handle) override { hook_removals.push_back(handle); }

 private:
  std::intptr_t next_hook_ = 0x1000;
};

}  // namespace lockdown
