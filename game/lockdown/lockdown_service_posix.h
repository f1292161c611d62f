// The Linux lockdown: no companion; the game's windows hold the whole keyboard and the key
// filter decides which keys reach the game. Processes come from /proc, programs via posix_spawn.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/forms/application.h"
#include "game/lockdown/lockdown_service.h"

namespace lockdown {

class PosixLockdown : public LockdownService {
 public:
  explicit PosixLockdown(forms::Application& app) : app_(app) {}
  ~PosixLockdown() override;

  bool UsesCompanion() override { return false; }
  std::optional<std::vector<std::string>> ListProcesses() override;
  bool StartProgram(const std::string& path, int window_style) override;
  // Linux runs no companion, so there is no window of another program to close.
  bool CloseWindowOfClass(const std::string&) override { return false; }
  std::intptr_t InstallKeyboardHook() override;
  void RemoveKeyboardHook(std::intptr_t handle) override;

 private:
  forms::Application& app_;
  std::intptr_t hook_ = 0;
};

// The command names of the running processes, read from <proc_root>/<pid>/comm;
// nullopt when proc_root cannot be read.
std::optional<std::vector<std::string>> ListProcessNames(const std::string& proc_root = "/proc");

// Starts the program file at path without arguments and without waiting for it;
// false when the file does not exist or cannot be started.
bool SpawnProgram(const std::string& path);

// Collects the programs started by SpawnProgram that have ended (so none lingers as a zombie).
void ReapPrograms();

}  // namespace lockdown
