// The X server's own key actions that leave the game, taken out and put back by content.
#include "game/lockdown/console_keys.h"

namespace lockdown {

bool IsConsoleAction(const ActionBytes& action) {
  return action[0] == kXkbSwitchScreen || action[0] == kXkbTerminate;
}

bool DisarmConsoleActions(std::vector<Interpret>& map, TakenActions& taken) {
  bool changed = false;
  for (Interpret& interpret : map) {
    if (!IsConsoleAction(interpret.action)) continue;
    taken[interpret.when] = interpret.action;
    interpret.action = ActionBytes{};
    changed = true;
  }
  return changed;
}

bool RestoreConsoleActions(std::vector<Interpret>& map, const TakenActions& taken) {
  bool changed = false;
  for (Interpret& interpret : map) {
    if (interpret.action[0] != kXkbNoAction) continue;
    const auto found = taken.find(interpret.when);
    if (found == taken.end()) continue;
    interpret.action = found->second;
    changed = true;
  }
  return changed;
}

}  // namespace lockdown
