// The computer's language on Linux: the locale variables in the order the C library reads them.
#include <cstdlib>

#include "game/settings/voice_language.h"

namespace settings {

std::string ComputerLanguage() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return LanguageOfLocale(value);
  }
  return "";
}

}  // namespace settings
