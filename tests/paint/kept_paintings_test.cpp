// Kept paintings: leaving the paint screen saves a painted picture as a PNG, and nothing else.
#include <gtest/gtest.h>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/paint/painting_keeper.h"
#include "tests/paint/paint_fixture.h"

namespace paint_test {
namespace {

namespace fs = std::filesystem;

enum class Folder { kWritable, kAFileInTheWay, kNone };

struct KeepCase {
  const char* name;
  bool keep_paintings;
  bool paint;
  Folder folder;
  int files;    // PNG files in the folder afterwards
  int reports;  // lines reported
};

class KeptPaintingsTest : public testing::TestWithParam<KeepCase> {};

fs::path FolderFor(Folder kind, const fs::path& root) {
  if (kind == Folder::kNone) return {};
  if (kind == Folder::kAFileInTheWay) std::ofstream(root / "taken") << "not a folder";
  return kind == Folder::kWritable ? root / "Wobbleton Playboard" : root / "taken" / "sub";
}

std::vector<fs::path> Pngs(const fs::path& folder) {
  std::vector<fs::path> found;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (it->path().extension() == ".png") found.push_back(it->path());
  }
  return found;
}

TEST_P(KeptPaintingsTest, LeavingThePaintScreen) {
  const KeepCase& c = GetParam();
  const fs::path root = wobtest::MakeTempDir();
  const fs::path folder = FolderFor(c.folder, root);
  std::vector<std::string> reports;
  paint::PaintingKeeper keeper([&] { return folder; },
                               [] { return std::tm{.tm_mday = 9, .tm_mon = 11, .tm_year = 126}; },
                               [&](const std::string& line) { reports.push_back(line); });
  game::GameState game;
  game.settings.keep_paintings = c.keep_paintings;
  wobtest::Scenario scenario;
  auto& screen = scenario.Make<paint::PaintScreen>(game, &keeper);
  scenario.Start(screen);
  const forms::PixelRect picture = screen.Get<forms::PictureBox>("Picture1").BoundsOnForm();
  if (c.paint) scenario.MouseMoveTo(screen, picture.x + 40, 60);
  scenario.Click(screen.Get<forms::CommandButton>("cmdExit"));

  EXPECT_TRUE(scenario.Finished()) << "play goes on whatever became of the painting";
  EXPECT_EQ(reports.size(), static_cast<size_t>(c.reports));
  const auto files = Pngs(c.folder == Folder::kWritable ? folder : root);
  ASSERT_EQ(files.size(), static_cast<size_t>(c.files));
  if (files.empty()) return;
  int width = 0, height = 0, channels = 0;
  ASSERT_TRUE(stbi_info(files[0].string().c_str(), &width, &height, &channels));
  EXPECT_EQ(width, picture.w);
  EXPECT_EQ(height, picture.h);
  EXPECT_EQ(files[0].filename().string(), "2026-12-09 00-00-00.png");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeptPaintingsTest,
    testing::Values(KeepCase{"PaintedIsSaved", true, true, Folder::kWritable, 1, 0},
                    KeepCase{"BlankIsNotSaved", true, false, Folder::kWritable, 0, 0},
                    KeepCase{"SettingOffSavesNothing", false, true, Folder::kWritable, 0, 0},
                    KeepCase{"UnwritableFolderReportsOnce", true, true, Folder::kAFileInTheWay, 0,
                             1},
                    KeepCase{"NoPicturesFolderReportsOnce", true, true, Folder::kNone, 0, 1}),
    [](const testing::TestParamInfo<KeepCase>& each) { return each.param.name; });

TEST(PaintingName, SecondOfTheSameSecondIsNumbered) {
  std::tm time{};
  time.tm_year = 126, time.tm_mon = 11, time.tm_mday = 9, time.tm_hour = 14, time.tm_min = 5;
  EXPECT_EQ(paint::PaintingName(time, 1), "2026-12-09 14-05-00.png");
  EXPECT_EQ(paint::PaintingName(time, 2), "2026-12-09 14-05-00 (2).png");
}

}  // namespace
}  // namespace paint_test
