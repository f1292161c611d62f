// The console keys of an X display taken out of its keyboard map while the game holds the
// keyboard, and the exact original map put back afterwards.
#pragma once

#include <memory>

namespace lockdown {

class ConsoleKeysX11 {
 public:
  ConsoleKeysX11();
  ~ConsoleKeysX11();  // puts the map back
  ConsoleKeysX11(const ConsoleKeysX11&) = delete;
  ConsoleKeysX11& operator=(const ConsoleKeysX11&) = delete;

  // Takes the switch-screen and terminate actions out of the display's keyboard map, through
  // a connection of its own to DISPLAY. False, with nothing changed, when there is no X
  // display with the keyboard extension. Once taken out, a second call does nothing.
  bool Disarm();
  // Puts back exactly what Disarm took out; nothing to do when nothing was taken.
  void Restore();

 private:
  struct Taken;
  std::unique_ptr<Taken> taken_;
};

}  // namespace lockdown
