// The generator writes exactly the listed files, the same bytes every run, and refuses bad input.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "asset_reader.h"
#include "game/assets/asset_names.h"

namespace assets_test {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int exit_code;
  std::string errors;  // what the generator printed on stderr
};

Outcome Generate(const fs::path& dir, const std::string& font = WOB_LABEL_FONT) {
  fs::create_directories(dir);
  const std::string command =
      std::string("'") + WOB_ASSET_GENERATOR + "' --font '" + font + "' --app-dir '" +
      (dir / "app").string() + "' --icon-dir '" + (dir / "icons").string() + "' --embedded '" +
      (dir / "logo.cpp").string() + "' 2> '" + (dir / "errors").string() + "'";
  const int status = std::system(command.c_str());
  const Bytes errors = ReadBytes((dir / "errors").string());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(errors.begin(), errors.end())};
}

class GeneratorRun : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = fs::temp_directory_path() / ("wob_assets_test_" + std::to_string(getpid()));
    fs::remove_all(root_);
    first_ = Generate(root_ / "first");
    second_ = Generate(root_ / "second");
  }
  static void TearDownTestSuite() { fs::remove_all(root_); }

  static std::set<std::string> Listing(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
      names.insert(entry.path().filename().string());
    return names;
  }

  static inline fs::path root_;
  static inline Outcome first_, second_;
};

TEST_F(GeneratorRun, WritesExactlyTheListedFiles) {
  ASSERT_EQ(first_.exit_code, 0) << first_.errors;
  const std::set<std::string> expected(std::begin(assets::kAssetNames),
                                       std::end(assets::kAssetNames));
  EXPECT_EQ(expected.size(), std::size(assets::kAssetNames)) << "a name is listed twice";
  EXPECT_EQ(Listing(root_ / "first" / "app"), expected);
  std::set<std::string> icons(std::begin(assets::kProgramIconNames),
                              std::end(assets::kProgramIconNames));
  icons.insert(std::begin(assets::kDesktopIconNames), std::end(assets::kDesktopIconNames));
  EXPECT_EQ(Listing(root_ / "first" / "icons"), icons);
}

TEST_F(GeneratorRun, WritesTheSameBytesEveryRunAsInTheBuild) {
  ASSERT_EQ(first_.exit_code, 0) << first_.errors;
  ASSERT_EQ(second_.exit_code, 0) << second_.errors;
  for (const char* name : assets::kAssetNames) {
    const Bytes bytes = ReadBytes((root_ / "first" / "app" / name).string());
    EXPECT_EQ(bytes, ReadBytes((root_ / "second" / "app" / name).string())) << name;
    EXPECT_EQ(bytes, ReadBytes(AppFile(name))) << name;
  }
  std::vector<const char*> icons(std::begin(assets::kProgramIconNames),
                                 std::end(assets::kProgramIconNames));
  icons.insert(icons.end(), std::begin(assets::kDesktopIconNames),
               std::end(assets::kDesktopIconNames));
  for (const char* name : icons) {
    EXPECT_EQ(ReadBytes((root_ / "first" / "icons" / name).string()),
              ReadBytes(std::string(WOB_ICON_DIR) + "/" + name))
        << name;
  }
  EXPECT_EQ(ReadBytes((root_ / "first" / "logo.cpp").string()),
            ReadBytes((root_ / "second" / "logo.cpp").string()));
}

fs::path ScratchFolder(const std::string& name) {
  const fs::path dir =
      fs::temp_directory_path() / ("wob_assets_" + name + "_" + std::to_string(getpid()));
  fs::remove_all(dir);
  return dir;
}

TEST(GeneratorInput, RefusesBadInputWithAMessage) {
  const fs::path root = ScratchFolder("bad_input");
  const Outcome no_font = Generate(root / "no_font", (root / "missing.ttf").string());
  EXPECT_EQ(no_font.exit_code, 1);
  EXPECT_NE(no_font.errors.find("font"), std::string::npos) << no_font.errors;

  const Outcome not_a_font = Generate(root / "not_a_font", AppFile("1.ico"));
  EXPECT_EQ(not_a_font.exit_code, 1);
  EXPECT_NE(not_a_font.errors.find("TrueType"), std::string::npos) << not_a_font.errors;

  const std::string usage = std::string("'") + WOB_ASSET_GENERATOR + "' --font only 2>/dev/null";
  const int status = std::system(usage.c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
  fs::remove_all(root);
}

TEST(GeneratorInput, RefusesAnOutputFolderThatIsAFile) {
  const fs::path dir = ScratchFolder("blocked");
  fs::create_directories(dir);
  { std::ofstream(dir / "app") << "a file where the folder should be"; }
  const Outcome blocked = Generate(dir);
  EXPECT_EQ(blocked.exit_code, 1);
  EXPECT_NE(blocked.errors.find("folder"), std::string::npos) << blocked.errors;
  fs::remove_all(dir);
}

}  // namespace
}  // namespace assets_test
