// Which SDL video driver the game starts: Wayland's own in a Wayland session, else X11.
#pragma once

#include <string>
#include <vector>

namespace forms {

// The drivers to try, in order; an empty name lets SDL choose. In a Wayland session
// (WAYLAND_DISPLAY set) the Wayland driver comes first: under XWayland the compositor may
// ignore an X client's keyboard grab, while on Wayland the grab asks the compositor to inhibit
// its shortcuts. SDL_VIDEODRIVER, when set, is the user's choice and is left to SDL.
std::vector<std::string> VideoDriverCandidates(const char* wayland_display,
                                               const char* sdl_videodriver);

// Starts SDL's video with the first candidate that comes up and returns its name. A candidate
// that fails is reported on stderr together with the one tried next. Throws
// std::runtime_error with SDL's reason when none starts.
std::string StartVideo(const std::vector<std::string>& candidates);

}  // namespace forms
