// The names' language: the setting, the computer's locale and the voices present, as one table.
#include <gtest/gtest.h>

#include <set>

#include "game/settings/voice_language.h"

namespace settings {
namespace {

struct LanguageCase {
  const char* setting;
  const char* locale;  // as LANG or Windows' locale name gives it
  const char* spoken;
  bool problem;
};

TEST(VoiceLanguage, TheSettingThenTheComputersThenEnglish) {
  const std::set<std::string> voices = {"en", "de", "fr"};
  const auto has_voice = [&](const std::string& code) { return voices.count(code) > 0; };
  const LanguageCase cases[] = {
      {"", "de_DE.UTF-8", "de", false},
      {"", "fr-FR", "fr", false},
      {"", "DE_at@euro", "de", false},
      {"", "ja_JP.UTF-8", "en", false},  // no voice for the computer's language
      {"", "C.UTF-8", "en", false},
      {"", "POSIX", "en", false},
      {"", "", "en", false},
      {"fr", "de_DE.UTF-8", "fr", false},
      {"xx", "de_DE.UTF-8", "de", true},  // an unknown setting: the default, said once
      {"ja", "", "en", true},
  };
  for (const LanguageCase& c : cases) {
    SCOPED_TRACE(std::string(c.setting) + " / " + c.locale);
    const VoiceChoice choice =
        ChooseVoiceLanguage(c.setting, LanguageOfLocale(c.locale), has_voice);
    EXPECT_EQ(choice.language, c.spoken);
    EXPECT_EQ(!choice.problem.empty(), c.problem) << choice.problem;
  }
}

}  // namespace
}  // namespace settings
