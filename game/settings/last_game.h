// The [LastGame] section: how long the last game ran and the escape keys it held back, by kind.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "game/settings/ini_file.h"

namespace settings {

inline constexpr const char* kLastGameSection = "LastGame";
// The kinds of escape key, in the order the keyboard lockdown counts them.
inline constexpr std::array<const char*, 7> kHeldBackKeys = {
    "WindowsKeys", "AltTab", "AltEsc", "CtrlEsc", "AppsKey", "Sleep", "Other"};

struct LastGame {
  std::int64_t seconds = 0;           // from the menu's load to its unload
  std::array<int, 7> held_back = {};  // by kind, in kHeldBackKeys' order

  bool operator==(const LastGame&) const = default;
};

// The figures in ini's [LastGame] section; null when there is none or a figure is not a
// whole number from 0 up (a damaged section shows nothing rather than nonsense).
std::optional<LastGame> LastGameFromIni(const IniFile& ini);
void ToIni(const LastGame& last_game, IniFile& ini);

}  // namespace settings
