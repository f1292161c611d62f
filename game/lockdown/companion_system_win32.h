// The companion's process, window, settings file and program starts through Win32.
#pragma once

#include "game/lockdown/companion_system.h"

namespace lockdown {

class Win32CompanionSystem : public CompanionSystem {
 public:
  std::optional<std::vector<std::string>> ListProcesses() override;
  bool StartProgram(const std::string& path, int window_style) override;  // path in UTF-8
  bool StartProgramAndWait(const std::string& path, int window_style) override;
  bool WindowOfClassExists(const std::string& window_class) override;
  int ReadSettingsInt(const std::string& file, const std::string& section, const std::string& key,
                      int default_value) override;
  bool CloseWindowOfClass(const std::string& window_class) override;
};

}  // namespace lockdown
