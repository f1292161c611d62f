// The keeper of the display's console keys: a small process of its own, the game program started
// again with one argument, that holds its own X connection, shows no window and takes no input.
// It keeps the console actions out of whatever keyboard map the display holds, new maps
// included, while the game's end of its socket is open, and puts each map's own back when that
// end closes: at the game's unlock, and however the game's process ends, even killed.
#pragma once

namespace lockdown {

// The argument that makes the game program the watcher, with its socket as standard input.
inline constexpr char kConsoleKeysWatcherArg[] = "--hold-console-keys";
// The watcher's one answer on the socket once it has started.
inline constexpr char kWatcherDisarmed = '1';
inline constexpr char kWatcherNoDisplay = '0';

bool IsConsoleKeysWatcherCall(int argc, char** argv);

// Runs the watcher until the game's end of the socket closes; returns the exit code.
int RunConsoleKeysWatcher();

}  // namespace lockdown
