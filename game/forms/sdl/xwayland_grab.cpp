// Lets an X11 window's keyboard grab hold under Xwayland, where mutter would otherwise ignore it.
#include "game/forms/sdl/xwayland_grab.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace forms {

void AllowXwaylandKeyboardGrab(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
  Display* display = info.info.x11.display;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = info.info.x11.window;
  event.xclient.message_type = XInternAtom(display, "_XWAYLAND_MAY_GRAB_KEYBOARD", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = 1;
  // Sent to the root window like every request to the window manager.
  XSendEvent(display, DefaultRootWindow(display), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &event);
  XSync(display, False);
}

}  // namespace forms
