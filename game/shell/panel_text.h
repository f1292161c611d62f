// The words of the parent panel: each setting's caption and the figures of a game.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/settings/settings.h"

namespace shell {

struct PanelCaptions {
  std::string speak_names, language, exit, volume, keep_paintings;
};
PanelCaptions CaptionsFor(const settings::Settings& settings);

// "45 s", "12 min", "2 h 05 min".
std::string DurationText(std::int64_t seconds);
// "3 Windows keys, 1 Alt+Tab" in the lockdown's order of kinds, or "nothing".
std::string HeldBackText(const std::array<int, 7>& held_back);
// "This game: 12 min; escape keys held back: 3 Windows keys, 1 Alt+Tab".
std::string GameText(const std::string& which, std::int64_t seconds,
                     const std::array<int, 7>& held_back);

}  // namespace shell
