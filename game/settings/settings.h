// The game's own settings: what a parent chose, read from the [Playboard] section of
// settings.ini. Every default is the game as it always played.
#pragma once

#include <string>
#include <vector>

#include "game/settings/ini_file.h"

namespace settings {

inline constexpr const char* kSection = "Playboard";

enum class Volume { kNormal, kQuiet };

struct Settings {
  bool speak_names = false;         // SpeakNames: each new picture says its name
  std::string language;             // Language: a code such as "de"; empty = the computer's
  bool exit_hold = false;           // ExitHold: Ctrl+Alt+T must be held for two seconds
  Volume volume = Volume::kNormal;  // Volume: "normal" or "quiet"
  bool keep_paintings = false;      // KeepPaintings: a painting is saved when paint closes

  bool operator==(const Settings&) const = default;
};

// The settings in ini's [Playboard] section. A key that is absent keeps its default; a value
// out of range keeps the default too and adds one line for the parent to problems.
Settings FromIni(const IniFile& ini, std::vector<std::string>& problems);

// Writes every key of settings into ini's [Playboard] section, keeping the rest of ini.
void ToIni(const Settings& settings, IniFile& ini);

// Whether code is a language code as the game names its voices: two or three lower-case letters.
bool IsLanguageCode(const std::string& code);

}  // namespace settings
