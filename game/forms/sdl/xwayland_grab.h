// Lets an X11 window's keyboard grab hold under Xwayland, where mutter would otherwise ignore it.
#pragma once

struct SDL_Window;

namespace forms {

// Sends the window's _XWAYLAND_MAY_GRAB_KEYBOARD message. Mutter reads it only for a window it
// manages, and applies it at the next grab; other X servers and window managers ignore it.
void AllowXwaylandKeyboardGrab(SDL_Window* window);

}  // namespace forms
