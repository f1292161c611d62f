// The settings file on disk: read once at start, each change written whole through a temporary
// file and a rename, so a crash never leaves half a file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/settings/ini_file.h"
#include "game/settings/settings.h"

namespace settings {

struct LoadedSettings {
  Settings settings;
  IniFile ini;                        // the whole file, other sections included
  std::vector<std::string> problems;  // one line each, for stderr where the platform has one
};

// Reads path. A missing file gives the defaults silently; an unreadable or damaged one gives
// the defaults and a problem. Reading never writes the file.
LoadedSettings LoadSettings(const std::filesystem::path& path);

// Writes ini to path through "path.tmp" and a rename, making the folder first. False when
// anything fails; the previous file is then left as it was.
bool SaveIni(const std::filesystem::path& path, const IniFile& ini);

// Where the settings live: the user's configuration folder joined with the game's folder.
std::filesystem::path SettingsPath();

// Replaces to by from in one step (the platform's atomic rename).
bool ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace settings
