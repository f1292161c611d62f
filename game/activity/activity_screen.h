// The letters, numbers and shapes screens: one form class configured by a table.
#pragma once

#include "game/forms/application.h"
#include "game/forms/form.h"
#include "game/shell/game_state.h"

namespace activity {

struct ScreenTable;  // picker pictures, keys that name a picture, group pictures
extern const ScreenTable kLetters;
extern const ScreenTable kNumbers;
extern const ScreenTable kShapes;

class ActivityScreen : public forms::Form {
 public:
  ActivityScreen(forms::Application& app, shell::GameState& game, const ScreenTable& table);
  ~ActivityScreen() override;

 protected:
  void Design() override;
};

}  // namespace activity
