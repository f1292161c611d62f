// The watcher of the display's keyboard map: takes the console actions out of every map the
// display loads, and puts them back by content when the game's socket closes.
#include "game/lockdown/console_keys_watcher.h"

#include <X11/XKBlib.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string_view>
#include <vector>

#include "game/lockdown/console_keys.h"

namespace lockdown {

namespace {

constexpr int kGameSocket = 0;  // standard input
// A new map, and the changes to one, whether loaded by a layout switch or a new keyboard.
constexpr unsigned kMapEvents =
    XkbNewKeyboardNotifyMask | XkbMapNotifyMask | XkbCompatMapNotifyMask;

static_assert(sizeof(XkbAction) == sizeof(ActionBytes), "an XKB action is 8 bytes");

Display* OpenWithXkb() {
  int major = XkbMajorVersion, minor = XkbMinorVersion, reason = 0;
  Display* display = XkbOpenDisplay(nullptr, nullptr, nullptr, &major, &minor, &reason);
  return reason == XkbOD_Success ? display : nullptr;
}

// The symbol interpretations of the compatibility map, read into a description; null on failure.
XkbDescPtr ReadCompat(Display* display) {
  XkbDescPtr xkb = XkbGetMap(display, 0, XkbUseCoreKbd);
  if (xkb == nullptr) return nullptr;
  if (XkbGetCompatMap(display, XkbSymInterpMask, xkb) != Success || xkb->compat == nullptr) {
    XkbFreeKeyboard(xkb, XkbAllComponentsMask, True);
    return nullptr;
  }
  return xkb;
}

std::vector<Interpret> InterpretsOf(const XkbCompatMapRec& compat) {
  std::vector<Interpret> map(compat.num_si);
  for (unsigned i = 0; i < compat.num_si; ++i) {
    const XkbSymInterpretRec& si = compat.sym_interpret[i];
    map[i].when = {si.sym, si.mods, si.match, si.virtual_mod, si.flags};
    std::memcpy(map[i].action.data(), &si.act, sizeof(ActionBytes));
  }
  return map;
}

// Sends the actions back; the server then computes every key's actions from them again, as it
// did when the map was loaded.
void WriteActions(Display* display, XkbDescPtr xkb, const std::vector<Interpret>& map) {
  for (unsigned i = 0; i < xkb->compat->num_si && i < map.size(); ++i)
    std::memcpy(&xkb->compat->sym_interpret[i].act, map[i].action.data(), sizeof(ActionBytes));
  XkbSetCompatMap(display, XkbSymInterpMask, xkb, True);
  XSync(display, False);
}

// Reads the map the display holds now, changes it, and writes it back only when it changed:
// the change notice of our own write then finds nothing more to do.
template <class Change>
void Rewrite(Display* display, Change change) {
  XkbDescPtr xkb = ReadCompat(display);
  if (xkb == nullptr) return;
  std::vector<Interpret> map = InterpretsOf(*xkb->compat);
  if (change(map)) WriteActions(display, xkb, map);
  XkbFreeKeyboard(xkb, XkbAllComponentsMask, True);
}

// Whether a map notice came since the last look; takes every waiting event.
bool MapNoticed(Display* display) {
  bool noticed = false;
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    noticed = true;  // only the keyboard extension's map events are selected
  }
  return noticed;
}

// The game's end closed (or failed): what it sends otherwise means nothing.
bool GameEnded() {
  char byte = 0;
  const ssize_t got = read(kGameSocket, &byte, 1);
  return got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN);
}

void Tell(char answer) {
  send(kGameSocket, &answer, 1, MSG_NOSIGNAL);
}

void HoldUntilTheGameEnds(Display* display, TakenActions& taken) {
  pollfd watched[2] = {{kGameSocket, POLLIN, 0}, {ConnectionNumber(display), POLLIN, 0}};
  for (;;) {
    if (MapNoticed(display))
      Rewrite(display,
              [&](std::vector<Interpret>& map) { return DisarmConsoleActions(map, taken); });
    if (poll(watched, 2, -1) < 0 && errno != EINTR) return;
    if (watched[0].revents != 0 && GameEnded()) return;
  }
}

}  // namespace

bool IsConsoleKeysWatcherCall(int argc, char** argv) {
  return argc == 2 && std::string_view(argv[1]) == kConsoleKeysWatcherArg;
}

int RunConsoleKeysWatcher() {
  // A game gone before the answer must not end the watcher before its restore.
  std::signal(SIGPIPE, SIG_IGN);
  Display* display = OpenWithXkb();
  if (display == nullptr) {
    Tell(kWatcherNoDisplay);
    return 1;
  }
  XkbSelectEvents(display, XkbUseCoreKbd, kMapEvents, kMapEvents);
  TakenActions taken;
  Rewrite(display, [&](std::vector<Interpret>& map) { return DisarmConsoleActions(map, taken); });
  Tell(kWatcherDisarmed);
  HoldUntilTheGameEnds(display, taken);
  Rewrite(display, [&](std::vector<Interpret>& map) { return RestoreConsoleActions(map, taken); });
  XCloseDisplay(display);
  return 0;
}

}  // namespace lockdown
