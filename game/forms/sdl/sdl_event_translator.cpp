// SDL events translated once into the game's portable events.
#include "game/forms/sdl/sdl_event_translator.h"

#include <SDL.h>

#include "game/forms/sdl/sdl_characters.h"
#include "game/forms/sdl/sdl_key_map.h"

namespace forms {

namespace {

Event Make(Event::Kind kind, WindowId window) {
  Event event;
  event.kind = kind;
  event.window = window;
  return event;
}

// Events of windows the game does not know (a message box, a window just destroyed) are dropped.
void Push(std::deque<Event>& out, const Event& event) {
  if (event.window != 0) out.push_back(event);
}

}  // namespace

void SdlEventTranslator::Translate(const SDL_Event& event, std::deque<Event>& out) {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      TranslateKey(event, out);
      break;
    case SDL_TEXTINPUT:
      TranslateText(event, out);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEMOTION:
      TranslateMouse(event, out);
      break;
    case SDL_WINDOWEVENT:
      TranslateWindow(event, out);
      break;
    default:
      break;
  }
}

void SdlEventTranslator::TranslateKey(const SDL_Event& event, std::deque<Event>& out) {
  const SDL_KeyboardEvent& key = event.key;
  const bool down = event.type == SDL_KEYDOWN;
  shift_ = SdlModToShift(key.keysym.mod);
  const int vk = SdlKeyToVk(key.keysym.scancode, key.keysym.sym);
  if (vk == 0) return;
  Event translated =
      Make(down ? Event::Kind::kKeyDown : Event::Kind::kKeyUp, lookup_(key.windowID));
  translated.key = vk;
  translated.shift = shift_;
  Push(out, translated);
  const int control_char = down ? ControlCharForKey(vk, shift_) : 0;
  if (control_char != 0) {
    translated.kind = Event::Kind::kChar;
    translated.ch = control_char;
    Push(out, translated);
  }
}

void SdlEventTranslator::TranslateText(const SDL_Event& event, std::deque<Event>& out) {
  if (!TextIsCharacter(shift_)) return;
  Event translated = Make(Event::Kind::kChar, lookup_(event.text.windowID));
  translated.shift = shift_;
  for (int code : Utf8ToAnsi(event.text.text)) {
    translated.ch = code;
    Push(out, translated);
  }
}

void SdlEventTranslator::TranslateMouse(const SDL_Event& event, std::deque<Event>& out) {
  if (event.type == SDL_MOUSEMOTION) {
    if (event.motion.which == SDL_TOUCH_MOUSEID) return;
    Event translated = Make(Event::Kind::kMouseMove, lookup_(event.motion.windowID));
    translated.button = SdlButtonMaskToMouseButtons(event.motion.state);
    translated.shift = shift_;
    translated.x = event.motion.x;
    translated.y = event.motion.y;
    Push(out, translated);
    return;
  }
  const SDL_MouseButtonEvent& button = event.button;
  const int game_button = SdlButtonToMouseButton(button.button);
  if (game_button == 0 || button.which == SDL_TOUCH_MOUSEID) return;
  const bool down = event.type == SDL_MOUSEBUTTONDOWN;
  Event translated =
      Make(down ? Event::Kind::kMouseDown : Event::Kind::kMouseUp, lookup_(button.windowID));
  translated.button = game_button;
  translated.shift = shift_;
  translated.x = button.x;
  translated.y = button.y;
  Push(out, translated);
}

void SdlEventTranslator::TranslateWindow(const SDL_Event& event, std::deque<Event>& out) {
  const SDL_WindowEvent& window = event.window;
  if (window.event == SDL_WINDOWEVENT_EXPOSED) {
    Push(out, Make(Event::Kind::kExpose, lookup_(window.windowID)));
  } else if (window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
    Event translated = Make(Event::Kind::kResize, lookup_(window.windowID));
    translated.x = window.data1;
    translated.y = window.data2;
    Push(out, translated);
  }
}

}  // namespace forms
