// The headless lockdown for tests: a scripted process list and windows, recorded starts and hooks.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/lockdown/lockdown_service.h"

namespace lockdown {

// Sticky Keys, Filter Keys and Toggle Keys as a test sets them; calls can be made to fail.
class HeadlessAccessSettings : public AccessSettings {
 public:
  std::map<AccessFeature, std::uint32_t> flags = {{AccessFeature::kStickyKeys, 0x1FE},
                                                  {AccessFeature::kFilterKeys, 0x07E},
                                                  {AccessFeature::kToggleKeys, 0x01E}};
  bool calls_fail = false;
  int writes = 0;  // successful writes

  std::optional<std::uint32_t> ReadFlags(AccessFeature feature) override {
    if (calls_fail) return std::nullopt;
    return flags.at(feature);
  }
  bool WriteFlags(AccessFeature feature, std::uint32_t value) override {
    if (calls_fail) return false;
    flags[feature] = value;
    ++writes;
    return true;
  }
};

class HeadlessLockdown : public LockdownService {
 public:
  struct ProgramStart {
    std::string path;
    int style;
    bool waited = false;  // the caller waited for the program to end
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
  // Settings files: "file|section|key" (as asked, letter case included) to value.
  std::map<std::string, int> settings;
  // A program started and waited for may act on the windows, as the companion's second start
  // closes the running companion's window.
  std::function<void(const std::string& path)> on_program_run;
  HeadlessAccessSettings access;

  bool UsesCompanion() override { return uses_companion; }
  std::optional<std::vector<std::string>> ListProcesses() override { return processes; }
  bool StartProgram(const std::string& path, int window_style) override;
  // Recorded in started_programs as well, with waited set.
  bool StartProgramAndWait(const std::string& path, int window_style) override;
  bool WindowOfClassExists(const std::string& window_class) override;
  int ReadSettingsInt(const std::string& file, const std::string& section, const std::string& key,
                      int default_value) override;
  AccessSettings& Accessibility() override { return access; }
  bool CloseWindowOfClass(const std::string& window_class) override;
  std::intptr_t InstallKeyboardHook() override;
  void RemoveKeyboardHook(std::intptr_t handle) override { hook_removals.push_back(handle); }

 private:
  std::intptr_t next_hook_ = 0x1000;
};

}  // namespace lockdown
