// The pictures folder named in an XDG user-dirs file.
#include <algorithm>
#include <string>

#include "game/settings/settings_file.h"

namespace settings {
namespace {

constexpr std::string_view kPicturesKey = "XDG_PICTURES_DIR=";

// The quoted value of a line: the text between the first and the last double quote.
std::string_view Quoted(std::string_view line) {
  const size_t open = line.find('"');
  const size_t close = line.rfind('"');
  if (open == std::string_view::npos || close <= open) return {};
  return line.substr(open + 1, close - open - 1);
}

}  // namespace

std::filesystem::path PicturesFromUserDirs(std::string_view text,
                                           const std::filesystem::path& home) {
  std::filesystem::path found;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.substr(0, kPicturesKey.size()) != kPicturesKey) continue;
    const std::string_view value = Quoted(line);
    // The format allows only a path under $HOME or an absolute one; the last line wins.
    if (value.substr(0, 5) == "$HOME" && (value.size() == 5 || value[5] == '/')) {
      const std::string rest(value.substr(std::min<size_t>(value.size(), 6)));
      found = rest.empty() ? home : home / rest;
    } else if (!value.empty() && value.front() == '/') {
      found = std::string(value);
    }
  }
  return found;
}

}  // namespace settings
