// The [Playboard] keys and their ranges.
#include "game/settings/settings.h"

#include <algorithm>

namespace settings {
namespace {

// Reads a 0/1 key into flag; anything else keeps flag and is reported.
void ReadFlag(const IniFile& ini, const char* key, bool& flag, std::vector<std::string>& problems) {
  const auto value = ini.Get(kSection, key);
  if (!value) return;
  if (*value == "0" || *value == "1") {
    flag = *value == "1";
  } else {
    problems.push_back(std::string(key) + "=" + *value + " is not 0 or 1");
  }
}

void ReadLanguage(const IniFile& ini, std::string& language, std::vector<std::string>& problems) {
  const auto value = ini.Get(kSection, "Language");
  if (!value) return;
  if (value->empty() || IsLanguageCode(*value)) {
    language = *value;
  } else {
    problems.push_back("Language=" + *value + " is not a language code such as de");
  }
}

void ReadVolume(const IniFile& ini, Volume& volume, std::vector<std::string>& problems) {
  const auto value = ini.Get(kSection, "Volume");
  if (!value) return;
  if (*value == "normal" || *value == "quiet") {
    volume = *value == "quiet" ? Volume::kQuiet : Volume::kNormal;
  } else {
    problems.push_back("Volume=" + *value + " is not normal or quiet");
  }
}

}  // namespace

Settings FromIni(const IniFile& ini, std::vector<std::string>& problems) {
  Settings settings;
  ReadFlag(ini, "SpeakNames", settings.speak_names, problems);
  ReadLanguage(ini, settings.language, problems);
  ReadFlag(ini, "ExitHold", settings.exit_hold, problems);
  ReadVolume(ini, settings.volume, problems);
  ReadFlag(ini, "KeepPaintings", settings.keep_paintings, problems);
  return settings;
}

void ToIni(const Settings& settings, IniFile& ini) {
  ini.Set(kSection, "SpeakNames", settings.speak_names ? "1" : "0");
  ini.Set(kSection, "Language", settings.language);
  ini.Set(kSection, "ExitHold", settings.exit_hold ? "1" : "0");
  ini.Set(kSection, "Volume", settings.volume == Volume::kQuiet ? "quiet" : "normal");
  ini.Set(kSection, "KeepPaintings", settings.keep_paintings ? "1" : "0");
}

bool IsLanguageCode(const std::string& code) {
  return (code.size() == 2 || code.size() == 3) &&
         std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace settings
