// The settings folder and the atomic rename on Linux: $XDG_CONFIG_HOME, else ~/.config.
#include <cstdio>
#include <cstdlib>

#include "game/settings/settings_file.h"

namespace settings {

std::filesystem::path SettingsPath() {
  std::filesystem::path folder;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/') {
    folder = config;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    folder = std::filesystem::path(home) / ".config";
  } else {
    return {};
  }
  return folder / "wobbleton-playboard" / "settings.ini";
}

bool ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace settings
