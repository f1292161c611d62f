// State shared by the whole game: the screens of every folder read and change it.
#pragma once

namespace game {

struct GameState {
  // Whether the celebration plays its sound; the main menu's load switches it on and
  // Ctrl+Alt+S flips it on every game screen. Not kept between runs.
  bool SoundSwitch = false;
};

}  // namespace game
