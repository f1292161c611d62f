// What the game needs from Windows to start and stop the companion key blocker: its process, its
// window, its settings file and program starts. Only the Windows game has a companion.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lockdown {

// Window style codes for StartProgram, as Windows' ShowWindow takes them.
constexpr int kShowMinimizedWithFocus = 2;

class CompanionSystem {
 public:
  virtual ~CompanionSystem() = default;

  // Executable names of the running processes; nullopt when the snapshot cannot be taken.
  virtual std::optional<std::vector<std::string>> ListProcesses() = 0;
  // Starts a program by path and waits until it is ready for input, a few seconds at most;
  // false when it cannot be started (for example a missing file).
  virtual bool StartProgram(const std::string& path, int window_style) = 0;
  // Starts a program by path and waits for it to end, a few seconds at most.
  virtual bool StartProgramAndWait(const std::string& path, int window_style) = 0;
  // Whether a top-level window of this class, of whatever program, exists.
  virtual bool WindowOfClassExists(const std::string& window_class) = 0;
  // A whole number from a settings file of the private-profile kind, as the companion reads it:
  // default_value when the file, section or key is missing.
  virtual int ReadSettingsInt(const std::string& file, const std::string& section,
                              const std::string& key, int default_value) = 0;
  // Asks the top-level window of this class to close (WM_CLOSE) and waits until it has handled
  // that; false when there is none.
  virtual bool CloseWindowOfClass(const std::string& window_class) = 0;
};

}  // namespace lockdown
