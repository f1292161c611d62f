// A stand-in for a game screen: maximised, an exit picture, and Ctrl+Alt+S like every screen.
#pragma once

#include <string>

#include "game/forms/application.h"
#include "game/forms/form.h"
#include "game/game_state.h"

namespace shelltest {

class StubScreen : public forms::Form {
 public:
  StubScreen(forms::Application& app, game::GameState& game, std::string name)
      : forms::Form(app), game_(game), name_(std::move(name)) {
    SetCaption(name_);
    SetMaximised(true);
  }

  const std::string& Name() const { return name_; }
  int loads = 0;

  void Form_Load() override { ++loads; }
  void Form_KeyDown(int key_code, int shift) override {
    if (shift == 6 && key_code == 83) game_.SoundSwitch = !game_.SoundSwitch;
  }

 protected:
  void Design() override {
    auto& exit = Add<forms::Image>("cmdExit", nullptr);
    exit.SetLeft(0);
    exit.SetTop(0);
    exit.SetWidth(600);
    exit.SetHeight(600);
    exit.SetVisible(true);
    exit.on_click = [this] { Unload(); };
  }

 private:
  game::GameState& game_;
  std::string name_;
};

}  // namespace shelltest
