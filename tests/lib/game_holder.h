// A never-shown form that owns the whole game, so a scenario keeps the game's forms alive for as
// long as the program's thread, even when a test fails half-way.
#pragma once

#include "game/forms/form.h"
#include "game/shell/game.h"

namespace wobtest {

class GameHolder : public forms::Form {
 public:
  GameHolder(forms::Application& app, sound::WaveOutput& sound, lockdown::KeyboardLock& keyboard,
             lockdown::CompanionSystem* companion)
      : forms::Form(app), game(app, sound, keyboard, companion) {}
  shell::Game game;

 protected:
  void Design() override {}
};

}  // namespace wobtest
