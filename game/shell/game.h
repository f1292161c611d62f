// The whole game: its shared state and every form object, kept for the whole run.
#pragma once

#include "game/activity/activity_screen.h"
#include "game/forms/application.h"
#include "game/game_state.h"
#include "game/lockdown/companion_system.h"
#include "game/lockdown/keyboard_lock.h"
#include "game/paint/paint_screen.h"
#include "game/paint/painting_keeper.h"
#include "game/settings/settings_store.h"
#include "game/shell/main_menu_form.h"
#include "game/shell/parent_panel.h"
#include "game/shell/splash_form.h"
#include "game/sound/wave_output.h"

namespace shell {

class Game {
 public:
  // The services beside the forms runtime: the sound output, the keyboard lock and, where the
  // companion runs (Windows), its system calls. store: the settings file the parent panel
  // writes; none: a store that writes nowhere.
  Game(forms::Application& app, sound::WaveOutput& sound, lockdown::KeyboardLock& keyboard,
       lockdown::CompanionSystem* companion, settings::SettingsStore* store = nullptr);

  // Declared in construction order: each form refers only to members above it.
  game::GameState state;
  settings::SettingsStore own_store{{}, {}};
  paint::PaintingKeeper keeper;
  activity::ActivityScreen frmLetters;
  activity::ActivityScreen frmNumbers;
  activity::ActivityScreen frmShapes;
  paint::PaintScreen frmPaint;
  ParentPanel frmParent;
  MainMenuForm WOB;
  SplashForm frmSplash;  // the start-up form
};

// Kept paintings go to a folder of the game's in the user's pictures folder.
paint::PaintingKeeper SystemPaintingKeeper();

}  // namespace shell
