// The splash's version numbers and WOB.exe's version text are the project's version.
#include <gtest/gtest.h>

#include <string>

#include "game/shell/game_version.h"

namespace shelltest {
namespace {

TEST(GameVersion, IsTheProjectVersionInBothForms) {
  const forms::Version& v = shell::kGameVersion;
  const std::string dotted =
      std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.revision);
  EXPECT_EQ(dotted, WOB_PROJECT_VERSION);
  EXPECT_STREQ(WOB_VERSION_TEXT, WOB_PROJECT_VERSION);
}

}  // namespace
}  // namespace shelltest
