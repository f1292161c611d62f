// Keeps an X protocol error from ending the game.
#pragma once

namespace forms {

// Xlib's default error handler ends the program. An error such as a request that names a
// window that was just destroyed is harmless to the game, so it is reported and passed over.
void PassOverXErrors();

}  // namespace forms
