// The X server's own key actions that leave the game, taken out and put back.
#include "game/lockdown/console_keys.h"

namespace lockdown {

bool IsConsoleAction(const ActionBytes& action) {
  return action[0] == kXkbSwitchScreen || action[0] == kXkbTerminate;
}

std::vector<std::pair<std::size_t, ActionBytes>> DisarmConsoleActions(
    std::vector<ActionBytes>& actions) {
  std::vector<std::pair<std::size_t, ActionBytes>> originals;
  for (std::size_t i = 0; i < actions.size(); ++i) {
    if (!IsConsoleAction(actions[i])) continue;
    originals.emplace_back(i, actions[i]);
    actions[i] = ActionBytes{};
  }
  return originals;
}

void RestoreActions(std::vector<ActionBytes>& actions,
                    const std::vector<std::pair<std::size_t, ActionBytes>>& originals) {
  for (const auto& [index, action] : originals) {
    if (index < actions.size()) actions[index] = action;
  }
}

}  // namespace lockdown
