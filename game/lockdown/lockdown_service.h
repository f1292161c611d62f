// What the game's keyboard lockdown needs from the system: the companion's process and window,
// program starts, and the game's own keyboard hook. One implementation per platform.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/lockdown/accessibility_hotkeys.h"

namespace lockdown {

// Window style codes for StartProgram, as Windows' ShowWindow takes them.
constexpr int kShowMinimizedWithFocus = 2;

class LockdownService {
 public:
  virtual ~LockdownService() = default;

  // Whether the game runs the companion key blocker beside it (Windows only).
  virtual bool UsesCompanion() = 0;
  // Executable names of the running processes; nullopt when the snapshot cannot be taken.
  virtual std::optional<std::vector<std::string>> ListProcesses() = 0;
  // Starts a program by path; false when it cannot be started (for example a missing file).
  virtual bool StartProgram(const std::string& path, int window_style) = 0;
  // Starts a program by path and waits for it to end, a few seconds at most; false when it
  // cannot be started.
  virtual bool StartProgramAndWait(const std::string& path, int window_style) = 0;
  // Whether a top-level window of this class, of whatever program, exists.
  virtual bool WindowOfClassExists(const std::string& window_class) = 0;
  // A whole number from a settings file of the private-profile kind, as the companion reads it:
  // default_value when the file, section or key is missing.
  virtual int ReadSettingsInt(const std::string& file, const std::string& section,
                              const std::string& key, int default_value) = 0;
  // The accessibility features' settings, whose hotkeys the game switches off while it runs.
  virtual AccessSettings& Accessibility() = 0;
  // Asks the top-level window of this class, of whatever program, to close (WM_CLOSE) and
  // waits until it has handled that; false when there is none.
  virtual bool CloseWindowOfClass(const std::string& window_class) = 0;
  // The game's own keyboard lockdown; returns a handle, 0 when it cannot be installed.
  // Removing a handle that is not the installed one does nothing.
  virtual std::intptr_t InstallKeyboardHook() = 0;
  virtual void RemoveKeyboardHook(std::intptr_t handle) = 0;
};

}  // namespace lockdown
