// Keeps an X protocol error from ending the game.
#include "game/forms/sdl/x11_errors.h"

#include <X11/Xlib.h>

#include <unistd.h>

#include <cstdio>

namespace forms {

namespace {

int ReportXError(Display* display, XErrorEvent* error) {
  char text[256] = {};
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "wob: X error passed over: %s (request %d)\n", text, error->request_code);
  return 0;
}

int EndAtOnce(Display*) {
  std::fprintf(stderr, "wob: the X connection is lost\n");
  _exit(1);
}

}  // namespace

void PassOverXErrors() {
  XSetErrorHandler(ReportXError);
  XSetIOErrorHandler(EndAtOnce);
}

}  // namespace forms
