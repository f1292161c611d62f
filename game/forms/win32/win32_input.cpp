// One flat switch from window messages to events: VK codes, WM_CHAR characters, client pixels.
#include "game/forms/win32/win32_input.h"

#include <windowsx.h>

namespace forms {
namespace {

bool Held(int vk) {
  return (GetKeyState(vk) & 0x8000) != 0;
}

// Buttons held during a move, from the message's MK_ flags.
int ButtonsHeld(WPARAM wparam) {
  return ((wparam & MK_LBUTTON) ? kButtonLeft : 0) | ((wparam & MK_RBUTTON) ? kButtonRight : 0) |
         ((wparam & MK_MBUTTON) ? kButtonMiddle : 0);
}

void Mouse(Event& event, Event::Kind kind, int button, LPARAM lparam) {
  event.kind = kind;
  event.button = button;
  event.shift = ShiftState();
  // Signed: under mouse capture the pointer may be left of or above the client area.
  event.x = GET_X_LPARAM(lparam);
  event.y = GET_Y_LPARAM(lparam);
}

void Key(Event& event, Event::Kind kind, WPARAM wparam) {
  event.kind = kind;
  event.key = static_cast<int>(wparam);
  event.shift = ShiftState();
}

}  // namespace

int ShiftState() {
  return (Held(VK_SHIFT) ? kShiftShift : 0) | (Held(VK_CONTROL) ? kShiftCtrl : 0) |
         (Held(VK_MENU) ? kShiftAlt : 0);
}

bool TranslateInput(UINT message, WPARAM wparam, LPARAM lparam, Event& event) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      Key(event, Event::Kind::kKeyDown, wparam);
      return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      Key(event, Event::Kind::kKeyUp, wparam);
      return true;
    case WM_CHAR:
      event.kind = Event::Kind::kChar;
      event.ch = static_cast<int>(wparam & 0xFF);  // an ANSI window gets code-page characters
      return true;
    case WM_LBUTTONDOWN:
      Mouse(event, Event::Kind::kMouseDown, kButtonLeft, lparam);
      return true;
    case WM_RBUTTONDOWN:
      Mouse(event, Event::Kind::kMouseDown, kButtonRight, lparam);
      return true;
    case WM_MBUTTONDOWN:
      Mouse(event, Event::Kind::kMouseDown, kButtonMiddle, lparam);
      return true;
    case WM_LBUTTONUP:
      Mouse(event, Event::Kind::kMouseUp, kButtonLeft, lparam);
      return true;
    case WM_RBUTTONUP:
      Mouse(event, Event::Kind::kMouseUp, kButtonRight, lparam);
      return true;
    case WM_MBUTTONUP:
      Mouse(event, Event::Kind::kMouseUp, kButtonMiddle, lparam);
      return true;
    case WM_MOUSEMOVE:
      Mouse(event, Event::Kind::kMouseMove, ButtonsHeld(wparam), lparam);
      return true;
    default:
      return false;
  }
}

}  // namespace forms
