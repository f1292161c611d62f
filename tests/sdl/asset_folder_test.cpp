// Where the Linux game looks for its pictures: beside the program, unless it is installed with
// its data in <prefix>/share/games/wobbleton-playboard.
#include "game/forms/sdl/asset_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace forms {
namespace {

namespace fs = std::filesystem;

TEST(AssetFolder, IsTheInstalledDataFolderOrTheProgramsOwn) {
  const fs::path root = fs::path(testing::TempDir()) / ("asset_folder_" + std::to_string(getpid()));
  const std::string data = "share/games/wobbleton-playboard";
  struct Case {
    const char* what;
    std::string program_folder;  // under root
    std::string data_folder;     // made under root when not empty
    std::string data_file;       // a file in the data folder's place when not empty
    std::string expected;        // under root
  };
  const Case cases[] = {
      {"installed in games", "usr/games", "usr/" + data, "", "usr/" + data},
      {"installed in bin", "opt/bin", "opt/" + data, "", "opt/" + data},
      {"the build's app folder", "build/app", "", "", "build/app"},
      {"a copied folder beside another install", "copy", "other/" + data, "", "copy"},
      {"a file in the data folder's place", "usr/games", "", "usr/" + data, "usr/games"},
      {"program folder with a trailing slash", "usr/games/", "usr/" + data, "", "usr/" + data},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(root);
    fs::create_directories(root / c.program_folder);
    if (!c.data_folder.empty()) fs::create_directories(root / c.data_folder);
    if (!c.data_file.empty()) std::ofstream(root / c.data_file) << "not a folder\n";
    EXPECT_EQ(AssetFolderFor((root / c.program_folder).string()), (root / c.expected).string());
  }
  fs::remove_all(root);
}

}  // namespace
}  // namespace forms
