// The console keys of an X display kept out of its keyboard map while the game holds the
// keyboard, by a watcher process that puts them back however the game ends.
#pragma once

#include <sys/types.h>

#include <string>

namespace lockdown {

class ConsoleKeysX11 {
 public:
  // watcher_program: the program started as the watcher (console_keys_watcher.h), the game
  // program itself unless a test names another.
  explicit ConsoleKeysX11(std::string watcher_program = "/proc/self/exe");
  ~ConsoleKeysX11();  // puts the map back
  ConsoleKeysX11(const ConsoleKeysX11&) = delete;
  ConsoleKeysX11& operator=(const ConsoleKeysX11&) = delete;

  // Starts the watcher and waits, a second at most, until it has taken the console actions out
  // of the display's keyboard map. False, with nothing changed, when it cannot be started or
  // finds no X display with the keyboard extension. Once taken out, a second call does nothing.
  bool Disarm();
  // Tells the watcher to put every map's own console actions back, and waits a second at most
  // for it to end. Nothing to do when nothing was taken.
  void Restore();

 private:
  std::string watcher_program_;
  int socket_ = -1;  // the game's end of the watcher's socket
  pid_t watcher_ = 0;
};

}  // namespace lockdown
