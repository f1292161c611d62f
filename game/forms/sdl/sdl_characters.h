// The characters of Windows' WM_CHAR rebuilt from SDL's key-down and text-input events.
#pragma once

#include <string>
#include <vector>

namespace forms {

// The control character Windows gives as WM_CHAR for a key down that SDL's text input
// does not report (SDL only sends printable text); 0 when there is none.
// vk is the key's virtual-key code, shift the state 1 Shift, 2 Ctrl, 4 Alt.
int ControlCharForKey(int vk, int shift);

// Whether SDL text typed with this shift state is a WM_CHAR on Windows.
bool TextIsCharacter(int shift);

// UTF-8 text as ANSI (Windows-1252) character codes; characters ANSI lacks are dropped,
// and so are bytes that are not valid UTF-8.
std::vector<int> Utf8ToAnsi(const std::string& utf8);

}  // namespace forms
