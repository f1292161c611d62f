// State shared by the whole game: the screens of every folder read and change it.
#pragma once

#include <string>

#include "game/settings/settings.h"

namespace game {

struct GameState {
  // Whether the celebration plays its sound; the main menu's load switches it on and
  // Ctrl+Alt+S flips it on every game screen. Not kept between runs.
  bool SoundSwitch = false;
  // What the parent chose in the settings file; the defaults are the game as it always played.
  settings::Settings settings;
  // When the main menu was loaded: the game's start, for the parent's figures (platform clock, ms).
  double GameStartedMs = 0;
  // The language whose clips speak the names ("de": the folder voices\de beside the game),
  // chosen at start from the setting and the computer's language.
  std::string voice_language = "en";
};

}  // namespace game
