// Translation of Win32 input messages into the runtime's portable events.
#pragma once

#include "game/forms/platform.h"
#include "game/forms/win32/win32_api.h"

namespace forms {

// Shift state from the thread's key state: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState();

// Fills event (all but its window) from a key, character or mouse message; false for any
// other message.
bool TranslateInput(UINT message, WPARAM wparam, LPARAM lparam, Event& event);

}  // namespace forms
