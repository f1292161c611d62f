// The whole game: the forms wired to each other and to the shared state.
#include "game/shell/game.h"

namespace shell {

Game::Game(forms::Application& app, sound::WaveOutput& sound, lockdown::KeyboardLock& keyboard,
           lockdown::CompanionSystem* companion)
    : frmLetters(app, state, sound, activity::kLetters),
      frmNumbers(app, state, sound, activity::kNumbers),
      frmShapes(app, state, sound, activity::kShapes),
      frmPaint(app, state),
      WOB(app, state, keyboard, companion,
          MenuScreens{frmLetters, frmNumbers, frmShapes, frmPaint}),
      frmSplash(app, WOB) {}

}  // namespace shell
