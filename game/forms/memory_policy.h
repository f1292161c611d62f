// What the game gives back when a screen closes, so its size does not grow from screen to screen.
#pragma once

namespace forms {

// The picture caches start afresh (the next screen shows other pictures) and the heap returns
// its free pages to the system where the C library can.
void GiveBackScreenMemory();

}  // namespace forms
