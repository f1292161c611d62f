// The paint screen frmPaint: six colours, dots painted by moving the mouse, clear and exit.
#pragma once

#include "game/forms/application.h"
#include "game/forms/form.h"
#include "game/shell/game_state.h"

namespace paint {

class PaintScreen : public forms::Form {
 public:
  PaintScreen(forms::Application& app, shell::GameState& game);
  ~PaintScreen() override;

 protected:
  void Design() override;
};

}  // namespace paint
