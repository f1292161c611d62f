// The console keys of an X display: the server's interpretations of Ctrl+Alt+F1 to F12
// (switch screen) and Ctrl+Alt+Backspace (terminate) turned into no action, and back.
#include "game/lockdown/console_keys_x11.h"

#include <X11/XKBlib.h>

#include <cstring>
#include <utility>
#include <vector>

#include "game/lockdown/console_keys.h"

namespace lockdown {

static_assert(sizeof(XkbAction) == sizeof(ActionBytes), "an XKB action is 8 bytes");

struct ConsoleKeysX11::Taken {
  Display* display = nullptr;
  std::vector<std::pair<std::size_t, ActionBytes>> interprets;  // by index: the originals
};

namespace {

Display* OpenWithXkb() {
  int major = XkbMajorVersion, minor = XkbMinorVersion, reason = 0;
  Display* display = XkbOpenDisplay(nullptr, nullptr, nullptr, &major, &minor, &reason);
  return reason == XkbOD_Success ? display : nullptr;
}

// The key interpretations of the compatibility map, read into a description; nullptr on failure.
XkbDescPtr ReadInterprets(Display* display) {
  XkbDescPtr xkb = XkbGetMap(display, 0, XkbUseCoreKbd);
  if (xkb == nullptr) return nullptr;
  if (XkbGetCompatMap(display, XkbSymInterpMask, xkb) != Success || xkb->compat == nullptr) {
    XkbFreeKeyboard(xkb, XkbAllComponentsMask, True);
    return nullptr;
  }
  return xkb;
}

std::vector<ActionBytes> ActionsOf(const XkbCompatMapRec& compat) {
  std::vector<ActionBytes> actions(compat.num_si);
  for (unsigned i = 0; i < compat.num_si; ++i)
    std::memcpy(actions[i].data(), &compat.sym_interpret[i].act, sizeof(ActionBytes));
  return actions;
}

// Writes the actions into the interpretations and sends them; the server then computes every
// key's actions from them again, as it did when the map was loaded.
void WriteInterprets(Display* display, XkbDescPtr xkb, const std::vector<ActionBytes>& actions) {
  for (unsigned i = 0; i < xkb->compat->num_si && i < actions.size(); ++i)
    std::memcpy(&xkb->compat->sym_interpret[i].act, actions[i].data(), sizeof(ActionBytes));
  XkbSetCompatMap(display, XkbSymInterpMask, xkb, True);
  XSync(display, False);
}

}  // namespace

ConsoleKeysX11::ConsoleKeysX11() = default;

ConsoleKeysX11::~ConsoleKeysX11() {
  Restore();
}

bool ConsoleKeysX11::Disarm() {
  if (taken_) return true;
  Display* display = OpenWithXkb();
  if (display == nullptr) return false;
  XkbDescPtr xkb = ReadInterprets(display);
  if (xkb == nullptr) {
    XCloseDisplay(display);
    return false;
  }
  std::vector<ActionBytes> actions = ActionsOf(*xkb->compat);
  taken_ = std::make_unique<Taken>();
  taken_->display = display;
  taken_->interprets = DisarmConsoleActions(actions);
  if (!taken_->interprets.empty()) WriteInterprets(display, xkb, actions);
  XkbFreeKeyboard(xkb, XkbAllComponentsMask, True);
  return true;
}

void ConsoleKeysX11::Restore() {
  if (!taken_) return;
  const std::unique_ptr<Taken> taken = std::move(taken_);
  if (!taken->interprets.empty()) {
    if (XkbDescPtr xkb = ReadInterprets(taken->display)) {
      std::vector<ActionBytes> actions = ActionsOf(*xkb->compat);
      RestoreActions(actions, taken->interprets);
      WriteInterprets(taken->display, xkb, actions);
      XkbFreeKeyboard(xkb, XkbAllComponentsMask, True);
    }
  }
  XCloseDisplay(taken->display);
}

}  // namespace lockdown
