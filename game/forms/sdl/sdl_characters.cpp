// The characters of Windows' WM_CHAR rebuilt from SDL's key-down and text-input events.
#include "game/forms/sdl/sdl_characters.h"

#include <cstdint>

#include "game/forms/input.h"

namespace forms {

namespace {

// Windows-1252 codes 0x80..0x9F and the Unicode characters they stand for (0: unused).
constexpr char32_t kAnsiHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

int AnsiFromCodePoint(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<int>(code_point);
  }
  for (int i = 0; i < 32; ++i) {
    if (kAnsiHigh[i] != 0 && kAnsiHigh[i] == code_point) return 0x80 + i;
  }
  return -1;
}

// Length of the UTF-8 sequence that starts with lead, and the lead's payload bits; 0 if invalid.
int SequenceLength(unsigned char lead, char32_t& bits) {
  if (lead < 0x80) return bits = lead, 1;
  if ((lead & 0xE0) == 0xC0) return bits = lead & 0x1F, 2;
  if ((lead & 0xF0) == 0xE0) return bits = lead & 0x0F, 3;
  if ((lead & 0xF8) == 0xF0) return bits = lead & 0x07, 4;
  return 0;
}

}  // namespace

int ControlCharForKey(int vk, int shift) {
  const bool ctrl = (shift & kShiftCtrl) != 0;
  // With Alt held Windows sends WM_SYSCHAR (or, for Ctrl+Alt, nothing), never WM_CHAR.
  if (shift & kShiftAlt) return 0;
  // Enter gives CR, and LF with Ctrl.
  if (vk == vk::kReturn) return ctrl ? 10 : 13;
  // Backspace gives BS, and DEL with Ctrl.
  if (vk == vk::kBack) return ctrl ? 127 : 8;
  // Esc gives ESC with or without Ctrl.
  if (vk == vk::kEscape) return 27;
  // Tab gives HT; Ctrl+Tab gives no character.
  if (vk == vk::kTab) return ctrl ? 0 : 9;
  // Ctrl+letter gives the control codes 1..26, Shift or not.
  if (ctrl && vk >= 'A' && vk <= 'Z') return vk - 'A' + 1;
  return 0;
}

bool TextIsCharacter(int shift) {
  // X11 reports Alt+letter and Ctrl+digit as text; Windows gives WM_SYSCHAR or nothing.
  // AltGr, which types characters on many layouts, is neither Ctrl nor Alt under X11.
  return (shift & (kShiftCtrl | kShiftAlt)) == 0;
}

std::vector<int> Utf8ToAnsi(const std::string& utf8) {
  std::vector<int> codes;
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t code_point = 0;
    const int length = SequenceLength(static_cast<unsigned char>(utf8[i]), code_point);
    bool valid = length > 0 && i + length <= utf8.size();
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      valid = (next & 0xC0) == 0x80;
      code_point = (code_point << 6) | (next & 0x3F);
    }
    if (!valid) {
      ++i;
      continue;
    }
    i += length;
    const int ansi = AnsiFromCodePoint(code_point);
    if (ansi >= 0) codes.push_back(ansi);
  }
  return codes;
}

}  // namespace forms
