// Writing one change into the kept settings file.
#include "game/settings/settings_store.h"

#include "game/settings/settings_file.h"

namespace settings {

template <class Change>
bool SettingsStore::SaveWith(const Change& change) {
  IniFile next = ini_;
  ToIni(change, next);
  if (!SaveIni(path_, next)) return false;
  ini_ = std::move(next);
  return true;
}

bool SettingsStore::Save(const Settings& settings) {
  return SaveWith(settings);
}

bool SettingsStore::Save(const LastGame& last_game) {
  return SaveWith(last_game);
}

}  // namespace settings
