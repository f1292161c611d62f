// The rule that ties the host's life to the game that started it.
#include "game_watch.h"

#include <algorithm>
#include <cctype>

namespace blocker {

namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

bool WatchesStartingProcess(std::string_view parent_exe_name) {
  return SameNameIgnoringCase(parent_exe_name, kGameExeName);
}

}  // namespace blocker
