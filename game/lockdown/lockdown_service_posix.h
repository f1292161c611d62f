// The Linux lockdown: no companion; the game's windows hold the whole keyboard and the key
// filter decides which keys reach the game. Processes come from /proc, programs via posix_spawn.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/forms/application.h"
#include "game/lockdown/console_keys_x11.h"
#include "game/lockdown/lockdown_service.h"

namespace lockdown {

class PosixLockdown : public LockdownService {
 public:
  // console_keys, when given, are taken out of the X display's keyboard map while the hook is
  // installed (none on Wayland, whose compositor owns those keys, and none in tests).
  explicit PosixLockdown(forms::Application& app, ConsoleKeysX11* console_keys = nullptr)
      : app_(app), console_keys_(console_keys) {}
  ~PosixLockdown() override;

  bool UsesCompanion() override { return false; }
  std::optional<std::vector<std::string>> ListProcesses() override;
  bool StartProgram(const std::string& path, int window_style) override;
  bool StartProgramAndWait(const std::string& path, int window_style) override {
    return StartProgram(path, window_style);  // Linux starts no companion to wait for
  }
  // Linux runs no companion, so there is no window of another program, nor its settings file.
  bool WindowOfClassExists(const std::string&) override { return false; }
  int ReadSettingsInt(const std::string&, const std::string&, const std::string&,
                      int default_value) override {
    return default_value;
  }
  // The desktop's own accessibility settings are left alone: every read fails.
  AccessSettings& Accessibility() override { return no_access_; }
  bool CloseWindowOfClass(const std::string&) override { return false; }
  std::intptr_t InstallKeyboardHook() override;
  void RemoveKeyboardHook(std::intptr_t handle) override;

 private:
  struct NoAccessSettings : AccessSettings {
    std::optional<std::uint32_t> ReadFlags(AccessFeature) override { return std::nullopt; }
    bool WriteFlags(AccessFeature, std::uint32_t) override { return false; }
  };

  forms::Application& app_;
  ConsoleKeysX11* console_keys_;
  std::intptr_t hook_ = 0;
  NoAccessSettings no_access_;
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
