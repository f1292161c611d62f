// Starting and stopping the companion key blocker "\Muzzle.exe" beside the game.
#pragma once

#include <string>

#include "game/lockdown/companion_system.h"

namespace lockdown {

// The main menu's load, step 1: starts the companion unless a process of its name runs
// (whole executable name, letter case ignored); skips the check when the process list cannot
// be taken. A missing companion file is the runtime's file-not-found error. app_folder has no
// trailing separator. True when it started the companion.
bool StartCompanionUnlessRunning(CompanionSystem& system, const std::string& app_folder);
// Ctrl+Alt+T: starts the companion a second time, which closes the running one, and waits for
// that start to end. Only while a companion's window exists: with none running, the start would
// leave a fresh companion behind the game. Without the companion file the runtime's
// file-not-found error follows, after the running companion's window was closed as the second
// start would have closed it (unless its settings file says `ShutDownWhenRunAgain` = 0).
void StopCompanion(CompanionSystem& system, const std::string& app_folder);

}  // namespace lockdown
