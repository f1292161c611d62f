// Quietbox settings file paths.
#include "settings.h"

namespace blocker {
namespace {

// Length of the folder part, including its trailing separator.
std::size_t FolderLength(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/:");
  return slash == std::string_view::npos ? 0 : slash + 1;
}

}  // namespace

std::string HostSettingsPath(std::string_view module_path) {
  const std::size_t name_start = FolderLength(module_path);
  const std::size_t dot = module_path.rfind('.');
  std::string path(module_path);
  if (dot == std::string_view::npos || dot < name_start) return path + ".ini";
  return path.substr(0, dot + 1) + "ini";
}

std::string SetupSettingsPath(std::string_view module_path) {
  return std::string(module_path.substr(0, FolderLength(module_path))) + kSettingsFileName;
}

}  // namespace blocker
