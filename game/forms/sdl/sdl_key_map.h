// SDL keys, modifiers and mouse buttons translated into the Windows vocabulary the game expects.
#pragma once

#include <cstdint>

namespace forms {

// Virtual-key code for an SDL scancode (SDL_Scancode) and the keycode (SDL_Keycode) the
// keyboard layout gives it; 0 for keys the game has no code for.
int SdlKeyToVk(int scancode, int keycode);

// Shift state 1 Shift, 2 Ctrl, 4 Alt from SDL modifier flags (SDL_Keymod).
int SdlModToShift(int mod);

// Mouse button 1 left, 2 right, 4 middle from an SDL button number; 0 for the others.
int SdlButtonToMouseButton(int sdl_button);

// The buttons held, as a sum of 1, 2 and 4, from an SDL button state mask.
int SdlButtonMaskToMouseButtons(std::uint32_t sdl_mask);

}  // namespace forms
