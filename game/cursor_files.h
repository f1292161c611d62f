// The numbered cursors that the main menu and the activity screens pick from at random.
#pragma once

#include <string>

namespace game {

inline constexpr int kCursorCount = 10;

// The file of cursor n, 1 to kCursorCount, as a name beside the game: "\7.ico".
inline std::string CursorFile(int n) {
  // Appended rather than a "\\" + string sum, which GCC 12 at -O3 warns about wrongly.
  return std::string("\\").append(std::to_string(n)).append(".ico");
}

}  // namespace game
