// The settings and pictures folders and the atomic rename on Linux, after the XDG conventions.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

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

std::filesystem::path PicturesFolder() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home != '/') return {};
  std::filesystem::path config = std::filesystem::path(home) / ".config";
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') config = xdg;
  std::ifstream file(config / "user-dirs.dirs", std::ios::binary);
  std::ostringstream text;
  if (file) text << file.rdbuf();
  std::filesystem::path pictures = PicturesFromUserDirs(text.str(), home);
  return pictures.empty() ? std::filesystem::path(home) / "Pictures" : pictures;
}

bool ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace settings
