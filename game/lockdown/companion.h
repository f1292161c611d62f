// Starting and stopping the companion key blocker "\Muzzle.exe" beside the game.
#pragma once

#include "game/forms/application.h"

namespace lockdown {

// The main menu's load, step 1: starts the companion unless a process of its name runs.
void StartCompanionUnlessRunning(forms::Application& app);
// Ctrl+Alt+T: starts the companion a second time, which closes the running one.
void StopCompanion(forms::Application& app);

}  // namespace lockdown
