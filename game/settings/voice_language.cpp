// Which language the names are spoken in: the setting's, else the computer's, else English.
#include "game/settings/voice_language.h"

#include <algorithm>
#include <cctype>

#include "game/settings/settings.h"

namespace settings {

VoiceChoice ChooseVoiceLanguage(const std::string& setting, const std::string& computer,
                                const std::function<bool(const std::string&)>& has_voice) {
  VoiceChoice choice;
  if (!setting.empty()) {
    if (has_voice(setting)) return {setting, ""};
    choice.problem = "Language=" + setting + " has no voice here; the computer's language applies";
  }
  const bool computer_speaks = IsLanguageCode(computer) && has_voice(computer);
  choice.language = computer_speaks ? computer : kFallbackLanguage;
  return choice;
}

std::string LanguageOfLocale(const std::string& locale) {
  const auto end = std::find_if(locale.begin(), locale.end(), [](char c) {
    return c == '_' || c == '-' || c == '.' || c == '@';
  });
  std::string code(locale.begin(), end);
  std::transform(code.begin(), code.end(), code.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return IsLanguageCode(code) ? code : "";
}

}  // namespace settings
