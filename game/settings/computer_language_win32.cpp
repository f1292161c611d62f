// The computer's language on Windows: the user's interface language.
#include <windows.h>

#include "game/settings/voice_language.h"

namespace settings {

std::string ComputerLanguage() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  const LCID locale = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
  if (LCIDToLocaleName(locale, name, LOCALE_NAME_MAX_LENGTH, 0) == 0) return "";
  std::string ascii;
  for (const wchar_t* c = name; *c != L'\0' && *c < 0x80; ++c) ascii += static_cast<char>(*c);
  return LanguageOfLocale(ascii);
}

}  // namespace settings
