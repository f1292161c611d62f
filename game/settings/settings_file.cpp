// Loading and saving the settings file; the folder and the rename come from the platform file.
#include "game/settings/settings_file.h"

#include <fstream>
#include <sstream>
#include <system_error>

namespace settings {

LoadedSettings LoadSettings(const std::filesystem::path& path) {
  LoadedSettings loaded;
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return loaded;
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  if (!file || !(text << file.rdbuf())) {
    loaded.problems.push_back(path.string() + " cannot be read; the defaults apply");
    return loaded;
  }
  auto ini = IniFile::Parse(text.str());
  if (!ini) {
    loaded.problems.push_back(path.string() + " is damaged; the defaults apply");
    return loaded;
  }
  loaded.ini = std::move(*ini);
  loaded.settings = FromIni(loaded.ini, loaded.problems);
  return loaded;
}

bool SaveIni(const std::filesystem::path& path, const IniFile& ini) {
  if (path.empty()) return false;
  std::error_code error;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
#ifdef _WIN32
    const char* line_end = "\r\n";
#else
    const char* line_end = "\n";
#endif
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file << ini.Text(line_end);
    file.close();
    if (!file) {
      std::filesystem::remove(temporary, error);
      return false;
    }
  }
  if (ReplaceFile(temporary, path)) return true;
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace settings
