// The settings file on disk: read once at start, each change written whole through a temporary
// file and a rename, so a crash never leaves half a file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
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

// The user's pictures folder (kept paintings go into a folder of the game's inside it): on Linux
// the one ~/.config/user-dirs.dirs names, else ~/Pictures; on Windows the Pictures known folder.
// Empty when the system names none.
std::filesystem::path PicturesFolder();

// The folder that the XDG_PICTURES_DIR line of an XDG user-dirs file names; empty when none.
std::filesystem::path PicturesFromUserDirs(std::string_view text,
                                           const std::filesystem::path& home);

// Replaces to by from in one step (the platform's atomic rename).
bool ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace settings
