// SDL events through the translator: key codes, characters, mouse and windows.
#include "game/forms/sdl/sdl_event_translator.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace forms {
namespace {

constexpr std::uint32_t kGameSdlWindow = 7, kForeignSdlWindow = 99;
constexpr WindowId kGameWindow = 3;

// The events as a short log: D/U key down/up "code:shift", C character, M/R/V mouse
// down/up/move "button@x,y", E expose, Z resize "w,h"; each prefixed by its window.
std::string Log(const std::deque<Event>& events) {
  std::string log;
  for (const Event& e : events) {
    if (!log.empty()) log += ' ';
    log += std::to_string(e.window);
    switch (e.kind) {
      case Event::Kind::kKeyDown:
        log += "D" + std::to_string(e.key) + ":" + std::to_string(e.shift);
        break;
      case Event::Kind::kKeyUp:
        log += "U" + std::to_string(e.key) + ":" + std::to_string(e.shift);
        break;
      case Event::Kind::kChar:
        log += "C" + std::to_string(e.ch);
        break;
      case Event::Kind::kMouseDown:
        log += "M";
        break;
      case Event::Kind::kMouseUp:
        log += "R";
        break;
      case Event::Kind::kMouseMove:
        log += "V";
        break;
      case Event::Kind::kExpose:
        log += "E";
        break;
      case Event::Kind::kResize:
        log += "Z" + std::to_string(e.x) + "," + std::to_string(e.y);
        break;
    }
    const bool mouse = e.kind == Event::Kind::kMouseDown || e.kind == Event::Kind::kMouseUp ||
                       e.kind == Event::Kind::kMouseMove;
    if (mouse) {
      log += std::to_string(e.button) + "@" + std::to_string(e.x) + "," + std::to_string(e.y) +
             ":" + std::to_string(e.shift);
    }
  }
  return log;
}

SDL_Event Key(bool down, SDL_Scancode scancode, SDL_Keycode keycode, Uint16 mod,
              std::uint32_t window = kGameSdlWindow) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.windowID = window;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.scancode = scancode;
  event.key.keysym.sym = keycode;
  event.key.keysym.mod = mod;
  return event;
}

SDL_Event Text(const char* text, std::uint32_t window = kGameSdlWindow) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  event.text.windowID = window;
  std::strncpy(event.text.text, text, sizeof event.text.text - 1);
  return event;
}

SDL_Event Window(SDL_WindowEventID id, int data1 = 0, int data2 = 0,
                 std::uint32_t window = kGameSdlWindow) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.windowID = window;
  event.window.event = static_cast<Uint8>(id);
  event.window.data1 = data1;
  event.window.data2 = data2;
  return event;
}

SDL_Event Button(bool down, Uint8 button, int x, int y) {
  SDL_Event event{};
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.windowID = kGameSdlWindow;
  event.button.button = button;
  event.button.x = x;
  event.button.y = y;
  return event;
}

SDL_Event Motion(Uint32 state, int x, int y) {
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.windowID = kGameSdlWindow;
  event.motion.state = state;
  event.motion.x = x;
  event.motion.y = y;
  return event;
}

class SdlEventTranslatorTest : public testing::Test {
 protected:
  SdlEventTranslator translator{[](std::uint32_t id) -> WindowId {
    return id == kGameSdlWindow || id == 0 ? kGameWindow : 0;
  }};
  std::deque<Event> out;

  std::string Feed(std::initializer_list<SDL_Event> events) {
    out.clear();
    for (const SDL_Event& event : events) translator.Translate(event, out);
    return Log(out);
  }
  // A key pressed and released with modifiers held, and the text it types, if any.
  std::string Press(SDL_Scancode scancode, SDL_Keycode keycode, Uint16 mod, const char* text) {
    out.clear();
    translator.Translate(Key(true, scancode, keycode, mod), out);
    if (*text != '\0') translator.Translate(Text(text), out);
    translator.Translate(Key(false, scancode, keycode, mod), out);
    return Log(out);
  }
};

TEST_F(SdlEventTranslatorTest, KeysGiveWindowsCodesAndWmCharCharacters) {
  const struct {
    SDL_Scancode scancode;
    SDL_Keycode keycode;
    Uint16 mod;
    const char* text;  // what SDL's text input reports for the key
    const char* log;
  } cases[] = {
      {SDL_SCANCODE_A, SDLK_a, KMOD_NONE, "a", "3D65:0 3C97 3U65:0"},
      {SDL_SCANCODE_A, SDLK_a, KMOD_LSHIFT, "A", "3D65:1 3C65 3U65:1"},
      {SDL_SCANCODE_A, SDLK_a, KMOD_LCTRL, "", "3D65:2 3C1 3U65:2"},
      {SDL_SCANCODE_1, SDLK_1, KMOD_LCTRL, "1", "3D49:2 3U49:2"},
      {SDL_SCANCODE_X, SDLK_x, KMOD_LALT, "x", "3D88:4 3U88:4"},
      {SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_NONE, "", "3D13:0 3C13 3U13:0"},
      {SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, KMOD_NONE, "", "3D8:0 3C8 3U8:0"},
      {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, KMOD_NONE, "", "3D27:0 3C27 3U27:0"},
      {SDL_SCANCODE_TAB, SDLK_TAB, KMOD_NONE, "", "3D9:0 3C9 3U9:0"},
      {SDL_SCANCODE_F5, SDLK_F5, KMOD_NONE, "", "3D116:0 3U116:0"},
      {SDL_SCANCODE_E, SDLK_e, KMOD_NONE, "\xC3\xA9", "3D69:0 3C233 3U69:0"},
      {SDL_SCANCODE_AUDIOPLAY, SDLK_AUDIOPLAY, KMOD_NONE, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Press(c.scancode, c.keycode, c.mod, c.text), c.log) << "log of " << c.log;
  }
}

TEST_F(SdlEventTranslatorTest, EveryKeyPassesWithTheModifiersOfItsOwnMoment) {
  // Refusing keys is the lockdown's filter on the application; the translator passes them all.
  EXPECT_EQ(Press(SDL_SCANCODE_TAB, SDLK_TAB, KMOD_LALT, ""), "3D9:4 3U9:4");
  EXPECT_EQ(Press(SDL_SCANCODE_LGUI, SDLK_LGUI, KMOD_LGUI, ""), "3D91:0 3U91:0");
  EXPECT_EQ(Press(SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON, KMOD_NONE, ";"), "3D186:0 3C59 3U186:0");
  EXPECT_EQ(Feed({Key(true, SDL_SCANCODE_LALT, SDLK_LALT, KMOD_LALT),
                  Key(true, SDL_SCANCODE_TAB, SDLK_TAB, KMOD_LALT),
                  Key(false, SDL_SCANCODE_LALT, SDLK_LALT, KMOD_NONE),
                  Key(false, SDL_SCANCODE_TAB, SDLK_TAB, KMOD_NONE)}),
            "3D18:4 3D9:4 3U18:0 3U9:0");
}

TEST_F(SdlEventTranslatorTest, TextOfSeveralCharactersGivesThemInOrder) {
  EXPECT_EQ(Feed({Text("ab\xE2\x82\xAC"
                       "c")}),
            "3C97 3C98 3C128 3C99");
}

TEST_F(SdlEventTranslatorTest, MouseButtonsPositionsAndTheShiftHeld) {
  EXPECT_EQ(Feed({Button(true, SDL_BUTTON_LEFT, 10, 20), Button(false, SDL_BUTTON_LEFT, 11, 21),
                  Button(true, SDL_BUTTON_RIGHT, 0, 0), Button(true, SDL_BUTTON_MIDDLE, 5, 6),
                  Button(true, SDL_BUTTON_X1, 1, 1)}),
            "3M1@10,20:0 3R1@11,21:0 3M2@0,0:0 3M4@5,6:0");
  EXPECT_EQ(Feed({Motion(0, 3, 4), Motion(SDL_BUTTON_LMASK | SDL_BUTTON_MMASK, 7, 8)}),
            "3V0@3,4:0 3V5@7,8:0");
  EXPECT_EQ(Feed({Key(true, SDL_SCANCODE_LCTRL, SDLK_LCTRL, KMOD_LCTRL),
                  Button(true, SDL_BUTTON_LEFT, 1, 2),
                  Key(false, SDL_SCANCODE_LCTRL, SDLK_LCTRL, KMOD_NONE),
                  Button(false, SDL_BUTTON_LEFT, 1, 2)}),
            "3D17:2 3M1@1,2:2 3U17:0 3R1@1,2:0");
}

TEST_F(SdlEventTranslatorTest, WindowEventsAndTheOnesTheGameIgnores) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  EXPECT_EQ(Feed({Window(SDL_WINDOWEVENT_EXPOSED), Window(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 600),
                  Window(SDL_WINDOWEVENT_CLOSE), quit, Window(SDL_WINDOWEVENT_FOCUS_LOST)}),
            "3E 3Z800,600");
}

TEST_F(SdlEventTranslatorTest, EventsOfForeignWindowsAreDroppedAndKeysWithoutOneGoToTheGame) {
  EXPECT_EQ(Feed({Window(SDL_WINDOWEVENT_EXPOSED, 0, 0, kForeignSdlWindow),
                  Key(true, SDL_SCANCODE_A, SDLK_a, KMOD_NONE, kForeignSdlWindow),
                  Key(true, SDL_SCANCODE_B, SDLK_b, KMOD_NONE, 0), Text("b", 0)}),
            "3D66:0 3C98");
}

TEST_F(SdlEventTranslatorTest, AKeyFloodArrivesWholeAndInOrder) {
  constexpr int kPresses = 5000;
  for (int i = 0; i < kPresses; ++i) {
    translator.Translate(Key(true, SDL_SCANCODE_A, SDLK_a, KMOD_NONE), out);
    translator.Translate(Text("a"), out);
    translator.Translate(Key(false, SDL_SCANCODE_A, SDLK_a, KMOD_NONE), out);
  }
  ASSERT_EQ(out.size(), 3u * kPresses);
  for (std::size_t i = 0; i < out.size(); i += 3) {
    ASSERT_EQ(Log({out[i], out[i + 1], out[i + 2]}), "3D65:0 3C97 3U65:0") << "at " << i;
  }
}

}  // namespace
}  // namespace forms
