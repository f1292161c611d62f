// Which SDL video driver the game starts: Wayland's own in a Wayland session, else X11.
#include "game/forms/sdl/sdl_video_driver.h"

#include <SDL.h>

#include <cstdio>
#include <stdexcept>

namespace forms {

namespace {

bool IsSet(const char* value) {
  return value != nullptr && *value != '\0';
}

// Empty means SDL's own choice (its order, or SDL_VIDEODRIVER).
bool TryStart(const std::string& driver) {
  SDL_SetHint(SDL_HINT_VIDEODRIVER, driver.empty() ? nullptr : driver.c_str());
  return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

}  // namespace

std::vector<std::string> VideoDriverCandidates(const char* wayland_display,
                                               const char* sdl_videodriver) {
  if (IsSet(sdl_videodriver) || !IsSet(wayland_display)) return {""};
  return {"wayland", "x11"};
}

std::string StartVideo(const std::vector<std::string>& candidates) {
  std::string reason = "no video driver to try";
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (TryStart(candidates[i])) {
      const std::string running = SDL_GetCurrentVideoDriver();
      if (!candidates[i].empty()) std::fprintf(stderr, "wob: video driver %s\n", running.c_str());
      return running;
    }
    reason = SDL_GetError();
    if (i + 1 < candidates.size()) {
      std::fprintf(stderr, "wob: the %s video driver cannot start (%s); trying %s\n",
                   candidates[i].c_str(), reason.c_str(), candidates[i + 1].c_str());
    }
  }
  SDL_SetHint(SDL_HINT_VIDEODRIVER, nullptr);
  throw std::runtime_error(reason);
}

}  // namespace forms
