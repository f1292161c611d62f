// The version the splash shows: the project's version, the same that WOB.exe's resources carry.
#pragma once

#include "game/forms/application.h"
#include "wob_version.h"

namespace shell {

inline constexpr forms::Version kGameVersion{WOB_VERSION_MAJOR, WOB_VERSION_MINOR,
                                             WOB_VERSION_PATCH};

}  // namespace shell
