// An activity screen run on the headless backend, with a probe into its form-level state.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/activity/activity_screen.h"
#include "game/game_state.h"
#include "game/sound/wave_output_headless.h"
#include "tests/lib/activity_screen_probe.h"
#include "tests/lib/scenario.h"

namespace activity_test {

constexpr int kTickMs = 250;
constexpr int kCtrlAlt = 6;
constexpr int kKeyS = 83;

// A stand-in for the main menu: any character shows the activity screen modally over it.
class MenuStandIn : public forms::Form {
 public:
  MenuStandIn(forms::Application& app, forms::Form& screen) : forms::Form(app), screen_(screen) {}
  void Form_KeyPress(int) override { App().ShowModal(screen_); }

 protected:
  void Design() override;

 private:
  forms::Form& screen_;
};

// A small form whose timer runs at every event-loop turn that the screen's tick gives, so a test
// can act in the middle of a tick. Shown after the screen, its timer comes due with the screen's
// and runs inside that tick's first turn.
class TurnSpy : public forms::Form {
 public:
  TurnSpy(forms::Application& app, activity::ActivityScreen& screen);
  std::function<void(int turn)> on_turn;  // turn counts from 1 in each run of the spy
  int turns = 0;

 protected:
  void Design() override;

 private:
  bool TickRunning() const;
  activity::ActivityScreen& screen_;
};

// One screen on its own headless display. SoundSwitch starts on, as the main menu leaves it.
class ActivityRun {
 public:
  explicit ActivityRun(const activity::ScreenTable& table, int width_px = 1024, int height_px = 768,
                       const std::string& app_dir = {});

  void Open() { scenario.Start(screen); }
  void OpenFromMenu();  // starts the stand-in menu and opens the screen from it
  void Tick(int count = 1);
  void TickUntil(std::int64_t tick);
  void Type(const std::string& text);  // one character press per character, no key codes
  void ReleasePicker(const std::string& name, int button = 1);

  forms::Control* SlotControl(int slot) const;
  std::string Shown(int slot) const;  // file shown by the slot's picture, "" when none
  int PicturesPresent() const;        // slots whose picture control exists
  const std::vector<struct sound::HeadlessWaveOutput::Play>& Plays();

  game::GameState game;
  wobtest::Scenario scenario;
  activity::ActivityScreen screen;
  activity::ActivityScreenProbe probe{screen};
  std::unique_ptr<MenuStandIn> menu;
};

// A copy of the app folder whose spawned and firework pictures are tiny, for long runs where
// decoding full-size pictures would dominate the time.
std::string TinyPictureAppDir(const activity::ScreenTable& table);

// Every file that a screen's tables name, its pickers' faces and group pictures.
std::vector<std::string> TableFiles(const activity::ScreenTable& table);

// Whether the pictures of two controls neither overlap nor touch edge to edge.
bool ClearOf(const forms::Control& a, const forms::Control& b);

}  // namespace activity_test
