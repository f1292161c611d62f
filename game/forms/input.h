// The input vocabulary of the runtime, Windows' own: shift bits, mouse buttons, the virtual-key
// codes the game names, and the event every backend translates its native input into once.
#pragma once

namespace forms {

using WindowId = int;  // 0 means no window

// Shift state of key and mouse events.
constexpr int kShiftShift = 1, kShiftCtrl = 2, kShiftAlt = 4;
constexpr int kShiftCtrlAlt = kShiftCtrl | kShiftAlt;  // the parent's combinations: exactly these

// Mouse buttons, alone or (on a move) as the set held.
constexpr int kButtonLeft = 1, kButtonRight = 2, kButtonMiddle = 4;

// Virtual-key codes the game and its key rules name.
namespace vk {
constexpr int kBack = 0x08, kTab = 0x09, kReturn = 0x0D, kShift = 0x10, kControl = 0x11,
              kMenu = 0x12, kEscape = 0x1B, kSpace = 0x20;
constexpr int kLeftWindows = 0x5B, kRightWindows = 0x5C, kApps = 0x5D, kSleep = 0x5F;
// The punctuation keys that a US layout marks ; / ` [ ] '
constexpr int kOem1 = 0xBA, kOem2 = 0xBF, kOem3 = 0xC0, kOem4 = 0xDB, kOem6 = 0xDD, kOem7 = 0xDE;
constexpr int kS = 'S', kT = 'T';  // letter keys are their capital letters
}  // namespace vk

// A native event translated once into the Windows vocabulary: VK codes, shift state,
// WM_CHAR characters (ANSI), mouse buttons.
struct Event {
  enum class Kind { kKeyDown, kKeyUp, kChar, kMouseDown, kMouseUp, kMouseMove, kExpose, kResize };
  Kind kind = Kind::kExpose;
  WindowId window = 0;
  int key = 0;       // VK code (key events)
  int shift = 0;     // shift state at the event (key and mouse events)
  int ch = 0;        // character code (kChar), ANSI
  int button = 0;    // mouse button of a down/up; buttons held (kMouseMove)
  int x = 0, y = 0;  // pixels, relative to the window's client area; kResize: the new client size
};

}  // namespace forms
