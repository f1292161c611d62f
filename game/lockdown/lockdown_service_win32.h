// The Windows lockdown: the companion's process and window, CreateProcess, the low-level hook.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/lockdown/accessibility_settings_win32.h"
#include "game/lockdown/lockdown_service.h"

namespace lockdown {

class Win32Lockdown : public LockdownService {
 public:
  bool UsesCompanion() override { return true; }
  std::optional<std::vector<std::string>> ListProcesses() override;
  bool StartProgram(const std::string& path, int window_style) override;  // path in UTF-8
  bool StartProgramAndWait(const std::string& path, int window_style) override;
  bool WindowOfClassExists(const std::string& window_class) override;
  int ReadSettingsInt(const std::string& file, const std::string& section, const std::string& key,
                      int default_value) override;
  AccessSettings& Accessibility() override { return access_; }
  bool CloseWindowOfClass(const std::string& window_class) override;
  std::intptr_t InstallKeyboardHook() override;
  void RemoveKeyboardHook(std::intptr_t handle) override;

 private:
  Win32AccessSettings access_;
};

}  // namespace lockdown
