// The whole game: the forms wired to each other and to the shared state.
#include "game/shell/game.h"

namespace shell {

Game::Game(forms::Application& app)
    : frmLetters(app, state, activity::kLetters),
      frmNumbers(app, state, activity::kNumbers),
      frmShapes(app, state, activity::kShapes),
      frmPaint(app, state),
      WOB(app, state, MenuScreens{frmLetters, frmNumbers, frmShapes, frmPaint}),
      frmSplash(app, WOB) {}

}  // namespace shell
