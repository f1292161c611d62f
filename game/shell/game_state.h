// State shared by the whole game.
#pragma once

namespace shell {

struct GameState {
  // Whether the celebration plays its sound; the main menu's load switches it on and
  // Ctrl+Alt+S flips it on every game screen. Not kept between runs.
  bool SoundSwitch = false;
};

}  // namespace shell
