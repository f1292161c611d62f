// Where the Linux game finds its pictures and sounds: beside the program, or where a package put
// them.
#include "game/forms/sdl/asset_folder.h"

#include <filesystem>
#include <system_error>

namespace forms {

std::string AssetFolderFor(const std::string& exe_folder) {
  namespace fs = std::filesystem;
  const fs::path installed =
      (fs::path(exe_folder) / "../share/games/wobbleton-playboard").lexically_normal();
  std::error_code error;
  if (!fs::is_directory(installed, error)) return exe_folder;
  std::string folder = installed.string();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace forms
