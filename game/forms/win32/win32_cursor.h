// Colour mouse cursors made from the runtime's decoded icon pictures.
#pragma once

#include "game/forms/picture.h"
#include "game/forms/win32/win32_api.h"

namespace forms {

// A cursor with the picture's alpha and its hot spot at the centre; nullptr on failure.
// The caller destroys it with DestroyCursor.
HCURSOR CursorFromPicture(const Picture& picture);

}  // namespace forms
