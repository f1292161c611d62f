// Keeps an X protocol error from ending the game.
#pragma once

namespace forms {

// Xlib's default error handler ends the program. An error such as a request that names a
// window that was just destroyed is harmless to the game, so it is reported and passed over.
// A lost connection still ends the game, at once, without the exit handlers: nothing is left to
// save, and what the game holds of the display is given back as soon as its process is gone.
void PassOverXErrors();

}  // namespace forms
