// The settings and pictures folders and the atomic rename on Windows, from the known folders.
#include <shlobj.h>
#include <windows.h>
// <windows.h> names its own ReplaceFile as a macro, which would rename ours to ReplaceFileW.
#undef ReplaceFile

#include "game/settings/settings_file.h"

namespace settings {

std::filesystem::path SettingsPath() {
  PWSTR roaming = nullptr;
  std::filesystem::path path;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming))) {
    path = std::filesystem::path(roaming) / L"Wobbleton Playboard" / L"settings.ini";
  }
  CoTaskMemFree(roaming);
  return path;
}

std::filesystem::path PicturesFolder() {
  PWSTR pictures = nullptr;
  std::filesystem::path path;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, 0, nullptr, &pictures))) path = pictures;
  CoTaskMemFree(pictures);
  return path;
}

bool ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace settings
