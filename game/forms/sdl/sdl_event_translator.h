// SDL events translated once into the game's portable events.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>

#include "game/forms/platform.h"

union SDL_Event;

namespace forms {

class SdlEventTranslator {
 public:
  // Maps an SDL window id to the game's window: 0 (no window) to the top window of the
  // game, an id the game does not know to 0, whose events are dropped.
  using WindowLookup = std::function<WindowId(std::uint32_t sdl_window_id)>;
  explicit SdlEventTranslator(WindowLookup lookup) : lookup_(std::move(lookup)) {}

  // Appends the game's events for one SDL event; nothing for events the game ignores
  // (among them close requests and SDL_QUIT: a child must not close the game).
  void Translate(const SDL_Event& event, std::deque<Event>& out);

 private:
  void TranslateKey(const SDL_Event& event, std::deque<Event>& out);
  void TranslateText(const SDL_Event& event, std::deque<Event>& out);
  void TranslateMouse(const SDL_Event& event, std::deque<Event>& out);
  void TranslateWindow(const SDL_Event& event, std::deque<Event>& out);

  WindowLookup lookup_;
  int shift_ = 0;  // shift state after the last key event
};

}  // namespace forms
