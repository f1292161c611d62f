// The Windows lockdown: the companion's process and window, CreateProcess, the low-level hook.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/lockdown/lockdown_service.h"

namespace lockdown {

class Win32Lockdown : public LockdownService {
 public:
  bool UsesCompanion() override { return true; }
  std::optional<std::vector<std::string>> ListProcesses() override;
  bool StartProgram(const std::string& path, int window_style) override;  // path in UTF-8
  bool CloseWindowOfClass(const std::string& window_class) override;
  std::intptr_t InstallKeyboardHook() override;
  void RemoveKeyboardHook(std::intptr_t handle) override;
};

}  // namespace lockdown
