// Tells whether some client holds the X keyboard grab: it tries to take the grab itself.
// Exit code 0: another client holds it; 1: nobody does; 2: no display.
#include <X11/Xlib.h>

#include <cstdio>

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "x_grab_probe: cannot open the display\n");
    return 2;
  }
  const int result = XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync,
                                   GrabModeAsync, CurrentTime);
  if (result == GrabSuccess) XUngrabKeyboard(display, CurrentTime);
  XCloseDisplay(display);
  std::printf("%s\n", result == AlreadyGrabbed ? "grabbed" : "free");
  return result == AlreadyGrabbed ? 0 : 1;
}
