// The accessibility flags a running game found, kept in a small file until it restores them:
// a game that is killed leaves the file, and its next start gives the flags back.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "game/lockdown/accessibility_hotkeys.h"

namespace lockdown {

// One "<feature> <flags in decimal>" line per feature that has flags: sticky, filter, toggle.
std::string FormatJournal(const FeatureFlags& flags);
// nullopt for anything else than what FormatJournal writes with at least one feature.
std::optional<FeatureFlags> ParseJournal(std::string_view text);

class HotkeysJournal {
 public:
  explicit HotkeysJournal(std::filesystem::path file) : file_(std::move(file)) {}

  void Write(const FeatureFlags& flags);  // creates the folder; a failure is not reported
  // What the file holds, empty when there is none or it is damaged; the file is removed.
  FeatureFlags Take();
  void Remove();

 private:
  std::filesystem::path file_;
};

}  // namespace lockdown
