// The one comparison of names that ignores letter case (ASCII).
#include "game/forms/ignore_case.h"

#include <algorithm>
#include <cctype>

namespace forms {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace forms
