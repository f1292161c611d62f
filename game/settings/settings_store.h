// The settings file as the game keeps it while it runs: each change written whole at once.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/settings/ini_file.h"
#include "game/settings/last_game.h"
#include "game/settings/settings.h"

namespace settings {

class SettingsStore {
 public:
  SettingsStore(std::filesystem::path path, IniFile ini)
      : path_(std::move(path)), ini_(std::move(ini)) {}

  // Each writes the whole file with the change; false when it could not be written, and the
  // file and this store then keep what they had.
  bool Save(const Settings& settings);
  bool Save(const LastGame& last_game);

  std::optional<LastGame> LastGameRecord() const { return LastGameFromIni(ini_); }
  // The settings as the file holds them, whatever this run uses instead.
  Settings Filed() const {
    std::vector<std::string> ignored;
    return FromIni(ini_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  template <class Change>
  bool SaveWith(const Change& change);

  std::filesystem::path path_;
  IniFile ini_;
};

}  // namespace settings
