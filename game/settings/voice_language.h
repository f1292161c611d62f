// Which language the names are spoken in: the setting's, else the computer's, else English.
#pragma once

#include <functional>
#include <string>

namespace settings {

inline constexpr const char* kFallbackLanguage = "en";

struct VoiceChoice {
  std::string language;  // a code whose clips exist
  std::string problem;   // one line for the parent when the setting named no voice; else empty
};

// setting: the Language setting ("" = the computer's); computer: the computer's language code
// ("" when unknown); has_voice: whether the clips of a code exist.
VoiceChoice ChooseVoiceLanguage(const std::string& setting, const std::string& computer,
                                const std::function<bool(const std::string&)>& has_voice);

// The language code of a locale name: "de_DE.UTF-8" and "de-DE" give "de"; "C", "POSIX" and
// anything that names no language give "".
std::string LanguageOfLocale(const std::string& locale);

// The computer's language code: on Linux from LC_ALL, LC_MESSAGES or LANG (the first that is
// set), on Windows the user's interface language; "" when it names none.
std::string ComputerLanguage();

}  // namespace settings
