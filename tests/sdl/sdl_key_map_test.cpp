// The SDL to Windows translation tables: key codes, shift state and mouse buttons.
#include "game/forms/sdl/sdl_key_map.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace forms {
namespace {

struct KeyCase {
  SDL_Scancode scancode;
  SDL_Keycode keycode;
  int vk;
};

// Keycodes as a US layout gives them unless the case is about another layout.
const KeyCase kKeyCases[] = {
    {SDL_SCANCODE_A, SDLK_a, 0x41},
    {SDL_SCANCODE_T, SDLK_t, 0x54},
    {SDL_SCANCODE_Z, SDLK_z, 0x5A},
    {SDL_SCANCODE_0, SDLK_0, 0x30},
    {SDL_SCANCODE_9, SDLK_9, 0x39},
    {SDL_SCANCODE_F1, SDLK_F1, 0x70},
    {SDL_SCANCODE_F4, SDLK_F4, 0x73},
    {SDL_SCANCODE_F12, SDLK_F12, 0x7B},
    {SDL_SCANCODE_F24, SDLK_F24, 0x87},
    {SDL_SCANCODE_LEFT, SDLK_LEFT, 0x25},
    {SDL_SCANCODE_UP, SDLK_UP, 0x26},
    {SDL_SCANCODE_RIGHT, SDLK_RIGHT, 0x27},
    {SDL_SCANCODE_DOWN, SDLK_DOWN, 0x28},
    {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 0x1B},
    {SDL_SCANCODE_TAB, SDLK_TAB, 0x09},
    {SDL_SCANCODE_RETURN, SDLK_RETURN, 0x0D},
    {SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, 0x0D},
    {SDL_SCANCODE_SPACE, SDLK_SPACE, 0x20},
    {SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, 0x08},
    {SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, 0x10},
    {SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, 0x10},
    {SDL_SCANCODE_LCTRL, SDLK_LCTRL, 0x11},
    {SDL_SCANCODE_RCTRL, SDLK_RCTRL, 0x11},
    {SDL_SCANCODE_LALT, SDLK_LALT, 0x12},
    {SDL_SCANCODE_RALT, SDLK_RALT, 0x12},
    {SDL_SCANCODE_LGUI, SDLK_LGUI, 0x5B},
    {SDL_SCANCODE_RGUI, SDLK_RGUI, 0x5C},
    {SDL_SCANCODE_APPLICATION, SDLK_APPLICATION, 0x5D},
    {SDL_SCANCODE_SLEEP, SDLK_SLEEP, 0x5F},
    {SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON, 0xBA},
    {SDL_SCANCODE_EQUALS, SDLK_EQUALS, 0xBB},
    {SDL_SCANCODE_COMMA, SDLK_COMMA, 0xBC},
    {SDL_SCANCODE_MINUS, SDLK_MINUS, 0xBD},
    {SDL_SCANCODE_PERIOD, SDLK_PERIOD, 0xBE},
    {SDL_SCANCODE_SLASH, SDLK_SLASH, 0xBF},
    {SDL_SCANCODE_GRAVE, SDLK_BACKQUOTE, 0xC0},
    {SDL_SCANCODE_LEFTBRACKET, SDLK_LEFTBRACKET, 0xDB},
    {SDL_SCANCODE_BACKSLASH, SDLK_BACKSLASH, 0xDC},
    {SDL_SCANCODE_RIGHTBRACKET, SDLK_RIGHTBRACKET, 0xDD},
    {SDL_SCANCODE_APOSTROPHE, SDLK_QUOTE, 0xDE},
    {SDL_SCANCODE_KP_0, SDLK_KP_0, 0x60},
    {SDL_SCANCODE_KP_9, SDLK_KP_9, 0x69},
    {SDL_SCANCODE_KP_MULTIPLY, SDLK_KP_MULTIPLY, 0x6A},
    {SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, 0x6B},
    {SDL_SCANCODE_KP_MINUS, SDLK_KP_MINUS, 0x6D},
    {SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, 0x6E},
    {SDL_SCANCODE_KP_DIVIDE, SDLK_KP_DIVIDE, 0x6F},
    {SDL_SCANCODE_DELETE, SDLK_DELETE, 0x2E},
    {SDL_SCANCODE_HOME, SDLK_HOME, 0x24},
    // Letters follow the layout, as Windows' virtual keys do: Dvorak types T on the K key.
    {SDL_SCANCODE_K, SDLK_t, 0x54},
    // AZERTY: the A key sits where US has Q; digits keep their position.
    {SDL_SCANCODE_Q, SDLK_a, 0x41},
    {SDL_SCANCODE_1, SDLK_AMPERSAND, 0x31},
    // A letter key whose layout gives no Latin letter (Cyrillic) keeps its position.
    {SDL_SCANCODE_F, 0x430, 0x46},
    // Keys the game has no code for.
    {SDL_SCANCODE_UNKNOWN, SDLK_UNKNOWN, 0},
    {SDL_SCANCODE_AUDIOPLAY, SDLK_AUDIOPLAY, 0},
};

TEST(SdlKeyMap, EveryKeyGetsItsWindowsCode) {
  for (const KeyCase& c : kKeyCases) {
    EXPECT_EQ(SdlKeyToVk(c.scancode, c.keycode), c.vk)
        << "scancode " << c.scancode << " (" << SDL_GetScancodeName(c.scancode) << ")";
  }
}

TEST(SdlKeyMap, EveryLetterAndDigitMapsToItsCharacter) {
  for (int i = 0; i < 26; ++i) {
    const auto scancode = static_cast<SDL_Scancode>(SDL_SCANCODE_A + i);
    EXPECT_EQ(SdlKeyToVk(scancode, SDLK_a + i), 'A' + i);
  }
  for (int i = 0; i < 9; ++i) {
    const auto scancode = static_cast<SDL_Scancode>(SDL_SCANCODE_1 + i);
    EXPECT_EQ(SdlKeyToVk(scancode, SDLK_1 + i), '1' + i);
  }
}

TEST(SdlKeyMap, ModifiersBecomeTheShiftState) {
  const struct {
    int mod;
    int shift;
  } cases[] = {
      {KMOD_NONE, 0},
      {KMOD_LSHIFT, 1},
      {KMOD_RSHIFT, 1},
      {KMOD_LCTRL, 2},
      {KMOD_RCTRL, 2},
      {KMOD_LALT, 4},
      {KMOD_RALT, 4},
      {KMOD_LCTRL | KMOD_LALT, 6},
      {KMOD_LSHIFT | KMOD_RCTRL | KMOD_LALT, 7},
      // Lock keys, the Windows key and AltGr (MODE under X11) are not part of it.
      {KMOD_CAPS | KMOD_NUM | KMOD_GUI | KMOD_MODE, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(SdlModToShift(c.mod), c.shift) << "mod " << c.mod;
}

TEST(SdlKeyMap, MouseButtonsTakeWindowsNumbers) {
  EXPECT_EQ(SdlButtonToMouseButton(SDL_BUTTON_LEFT), 1);
  EXPECT_EQ(SdlButtonToMouseButton(SDL_BUTTON_RIGHT), 2);
  EXPECT_EQ(SdlButtonToMouseButton(SDL_BUTTON_MIDDLE), 4);
  EXPECT_EQ(SdlButtonToMouseButton(SDL_BUTTON_X1), 0);
  EXPECT_EQ(SdlButtonMaskToMouseButtons(0), 0);
  EXPECT_EQ(SdlButtonMaskToMouseButtons(SDL_BUTTON_LMASK | SDL_BUTTON_RMASK), 3);
  EXPECT_EQ(SdlButtonMaskToMouseButtons(SDL_BUTTON_MMASK | SDL_BUTTON_X2MASK), 4);
}

}  // namespace
}  // namespace forms
