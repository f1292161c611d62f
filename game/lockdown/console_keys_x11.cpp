// The game's side of the console-keys watcher: started over a socket pair, stopped by closing it.
#include "game/lockdown/console_keys_x11.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <utility>

#include "game/lockdown/console_keys_watcher.h"

extern char** environ;

namespace lockdown {

namespace {

constexpr int kWaitMs = 1000;  // for the watcher's answer and for its end

// Starts the watcher with its end of the socket as standard input, in a session of its own, so
// that a terminal's Ctrl+C or hang-up, or a signal to the game's process group, leaves it to
// finish its work.
bool SpawnWatcher(const std::string& program, int watcher_end, pid_t& pid) {
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_adddup2(&files, watcher_end, 0);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);
  std::string name = "wob-console-keys";
  std::string argument = kConsoleKeysWatcherArg;
  char* argv[] = {name.data(), argument.data(), nullptr};
  const bool started = posix_spawn(&pid, program.c_str(), &files, &attributes, argv, environ) == 0;
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&files);
  return started;
}

// The first byte the watcher sends, or 0 when it sends none within the wait (or ends).
char Answer(int socket) {
  pollfd ready = {socket, POLLIN, 0};
  char answer = 0;
  if (poll(&ready, 1, kWaitMs) != 1 || read(socket, &answer, 1) != 1) return 0;
  return answer;
}

// Whether the watcher closed its end (it ends) within the wait.
bool Closed(int socket) {
  pollfd ready = {socket, POLLIN, 0};
  char byte = 0;
  while (poll(&ready, 1, kWaitMs) == 1) {
    if (read(socket, &byte, 1) <= 0) return true;
  }
  return false;
}

}  // namespace

ConsoleKeysX11::ConsoleKeysX11(std::string watcher_program)
    : watcher_program_(std::move(watcher_program)) {}

ConsoleKeysX11::~ConsoleKeysX11() {
  Restore();
}

bool ConsoleKeysX11::Disarm() {
  if (socket_ >= 0) return true;
  int ends[2];
  // Close-on-exec: no other program the game starts may hold the watcher's socket open.
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return false;
  const bool started = SpawnWatcher(watcher_program_, ends[1], watcher_);
  close(ends[1]);
  if (!started) {
    close(ends[0]);
    return false;
  }
  socket_ = ends[0];
  if (Answer(socket_) == kWatcherDisarmed) return true;
  Restore();
  return false;
}

void ConsoleKeysX11::Restore() {
  if (socket_ < 0) return;
  shutdown(socket_, SHUT_WR);
  const bool ended = Closed(socket_);
  close(socket_);
  socket_ = -1;
  // A watcher that closed its end is ending: collect it. One still busy is left to finish.
  waitpid(watcher_, nullptr, ended ? 0 : WNOHANG);
  watcher_ = 0;
}

}  // namespace lockdown
