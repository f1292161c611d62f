// The one comparison of names that ignores letter case (ASCII), as file, control and process
// names are compared on the system the game comes from.
#pragma once

#include <string_view>

namespace forms {

bool SameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace forms
