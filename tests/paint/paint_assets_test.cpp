// frmPaint's asset files: every name it uses ships, and a missing or corrupt one ends the game.
#include <filesystem>
#include <fstream>

#include "tests/paint/paint_fixture.h"

namespace paint_test {
namespace {

namespace fs = std::filesystem;

fs::path FileIn(const std::string& dir, const std::string& asset) {
  return fs::path(dir) / asset.substr(1);  // asset names begin with a backslash
}

TEST(PaintAssetsTest, EveryAssetNameShipsUnderItsExactName) {
  std::vector<std::string> names = {paint::kPaintbrushCursor};
  for (const paint::PaintColor& color : paint::kPaintColors) {
    names.insert(names.end(), {color.up_picture, color.down_picture, color.brush_cursor});
  }
  for (const std::string& name : names) {
    EXPECT_TRUE(fs::exists(FileIn(wobtest::AppDir(), name))) << name;
  }
}

struct BrokenFileCase {
  const char* file;
  const char* button;  // the colour that needs the file; nullptr: every opening does
  bool corrupt;        // replaced with bytes that are no picture, else deleted
};

class BrokenAssetTest : public testing::TestWithParam<BrokenFileCase> {};

TEST_P(BrokenAssetTest, EndsTheGameWithTheRuntimeErrorBoxNamingTheFile) {
  const BrokenFileCase& c = GetParam();
  const std::string dir = wobtest::CopyAppDir();
  const fs::path file = FileIn(dir, c.file);
  fs::remove(file);
  if (c.corrupt) std::ofstream(file, std::ios::binary) << "this is no picture";

  game::GameState game;
  wobtest::Scenario scenario;
  scenario.Platform().app_folder = dir;
  auto& screen = scenario.Make<paint::PaintScreen>(game);
  scenario.Start(screen);
  // The opening's own random colour may already be the broken one.
  if (c.button != nullptr && !scenario.Finished()) {
    scenario.Click(screen.Get<forms::Control>(c.button));
  }
  EXPECT_TRUE(scenario.Finished());
  EXPECT_EQ(scenario.ExitCode(), 1);
  const auto& boxes = scenario.Platform().message_boxes;
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find(std::string(c.file).substr(1)), std::string::npos) << boxes[0].text;
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenAssetTest,
                         testing::Values(BrokenFileCase{"\\paintbrush.ico", nullptr, false},
                                         BrokenFileCase{"\\YellowSqu.jpg", nullptr, false},
                                         BrokenFileCase{"\\greenSqu.jpg", nullptr, true},
                                         BrokenFileCase{"\\redbrush.ico", "cmdTriangle", false},
                                         BrokenFileCase{"\\purpleSquDown.jpg", "cmdStar", false},
                                         BrokenFileCase{"\\bluebrush.ico", "cmdSquare", true}));

}  // namespace
}  // namespace paint_test
