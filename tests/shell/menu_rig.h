// The shell's forms over stub screens on the headless platform, with the app folder's assets.
#pragma once

#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/settings/settings_store.h"
#include "game/shell/main_menu_form.h"
#include "game/shell/parent_panel.h"
#include "game/shell/splash_form.h"
#include "tests/lib/scenario.h"
#include "tests/shell/stub_screen.h"

namespace shelltest {

constexpr int kCtrlAlt = 6;
constexpr int kKeyS = 83;
constexpr int kKeyT = 84;

// The forms belong to the scenario, so they outlive the program's thread; the game state is
// declared first, so it does too.
// Without a companion, as on Linux, unless a test asks for it beside the game, as on Windows.
enum class Companion { kNone, kBeside };

struct MenuRig {
  explicit MenuRig(int width_px = 1024, int height_px = 768, Companion companion = Companion::kNone)
      : scenario(width_px, height_px),
        frmLetters(scenario.Make<StubScreen>(state, "frmLetters")),
        frmNumbers(scenario.Make<StubScreen>(state, "frmNumbers")),
        frmShapes(scenario.Make<StubScreen>(state, "frmShapes")),
        frmPaint(scenario.Make<StubScreen>(state, "frmPaint")),
        frmParent(scenario.Make<shell::ParentPanel>(state, store, scenario.Sound())),
        WOB(scenario.Make<shell::MainMenuForm>(
            state, scenario.Keyboard(),
            companion == Companion::kBeside ? &scenario.Companion() : nullptr,
            shell::MenuScreens{frmLetters, frmNumbers, frmShapes, frmPaint, &frmParent})),
        frmSplash(scenario.Make<shell::SplashForm>(WOB)) {}

  std::vector<StubScreen*> Screens() { return {&frmLetters, &frmNumbers, &frmShapes, &frmPaint}; }
  // The screen open over the menu, or nullptr.
  StubScreen* OpenScreen() {
    for (StubScreen* screen : Screens()) {
      if (screen->Loaded()) return screen;
    }
    return nullptr;
  }
  void CloseScreen() { scenario.Click(OpenScreen()->Get<forms::Image>("cmdExit")); }
  // The display changes size under the maximised menu.
  void ResizeMenu(int width_px, int height_px) {
    forms::Event event;
    event.kind = forms::Event::Kind::kResize;
    event.window = WOB.window;
    event.x = width_px;
    event.y = height_px;
    scenario.Platform().Push(event);
  }

  game::GameState state;
  std::string settings_path = wobtest::MakeTempDir() + "/settings.ini";
  settings::SettingsStore store{settings_path, {}};
  wobtest::Scenario scenario;
  StubScreen& frmLetters;
  StubScreen& frmNumbers;
  StubScreen& frmShapes;
  StubScreen& frmPaint;
  shell::ParentPanel& frmParent;
  shell::MainMenuForm& WOB;
  shell::SplashForm& frmSplash;
};

}  // namespace shelltest
