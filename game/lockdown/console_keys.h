// The X server's own key actions that leave the game: a switch to a text console
// (Ctrl+Alt+F1 to F12) and the end of the server (Ctrl+Alt+Backspace, where enabled).
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <map>
#include <vector>

namespace lockdown {

// One XKB key action as the server holds it: 8 bytes, the action type first.
using ActionBytes = std::array<std::uint8_t, 8>;

constexpr std::uint8_t kXkbNoAction = 0x00;      // XkbSA_NoAction
constexpr std::uint8_t kXkbTerminate = 0x0C;     // XkbSA_Terminate
constexpr std::uint8_t kXkbSwitchScreen = 0x0D;  // XkbSA_SwitchScreen

// True for the switch-screen and terminate actions.
bool IsConsoleAction(const ActionBytes& action);

// What a symbol interpretation of the compatibility map answers to, apart from its action:
// the same in every map that holds it, wherever it stands in the list.
struct InterpretMatch {
  std::uint64_t sym = 0;  // KeySym
  std::uint8_t mods = 0;
  std::uint8_t match = 0;
  std::uint8_t virtual_mod = 0;
  std::uint8_t flags = 0;
  auto operator<=>(const InterpretMatch&) const = default;
};

struct Interpret {
  InterpretMatch when;
  ActionBytes action;
  bool operator==(const Interpret&) const = default;
};

// The console actions taken out of the maps the display held, by what they answer to.
using TakenActions = std::map<InterpretMatch, ActionBytes>;

// Replaces every console action of the map by no action (all bytes zero) and notes it in taken;
// a newer map's action replaces an older one's of the same match. True when the map changed.
bool DisarmConsoleActions(std::vector<Interpret>& map, TakenActions& taken);

// Gives every interpretation of the map that has no action and answers to a taken match its
// console action back, whatever map the display holds now. True when the map changed.
bool RestoreConsoleActions(std::vector<Interpret>& map, const TakenActions& taken);

}  // namespace lockdown
