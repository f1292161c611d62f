// The X server's own key actions that leave the game: a switch to a text console
// (Ctrl+Alt+F1 to F12) and the end of the server (Ctrl+Alt+Backspace, where enabled).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lockdown {

// One XKB key action as the server holds it: 8 bytes, the action type first.
using ActionBytes = std::array<std::uint8_t, 8>;

constexpr std::uint8_t kXkbTerminate = 0x0C;     // XkbSA_Terminate
constexpr std::uint8_t kXkbSwitchScreen = 0x0D;  // XkbSA_SwitchScreen

// True for the switch-screen and terminate actions.
bool IsConsoleAction(const ActionBytes& action);

// Replaces every console action by no action (all bytes zero) and leaves the others as they
// are. Returns the originals of the replaced ones, by index, so that they can be put back.
std::vector<std::pair<std::size_t, ActionBytes>> DisarmConsoleActions(
    std::vector<ActionBytes>& actions);

// Puts back what DisarmConsoleActions replaced; indexes past the end are ignored.
void RestoreActions(std::vector<ActionBytes>& actions,
                    const std::vector<std::pair<std::size_t, ActionBytes>>& originals);

}  // namespace lockdown
