// The menu's load when things go wrong: missing or corrupt files, no process list, no companion.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/shell/menu_rig.h"

namespace shelltest {
namespace {

namespace fs = std::filesystem;

// An app folder of its own, with the companion file the Windows game ships beside itself.
std::string AppDirWithCompanion() {
  const std::string dir = wobtest::CopyAppDir();
  std::ofstream(fs::path(dir) / "Muzzle.exe") << "companion";
  return dir;
}

// The file's path as it is on disk, whatever its letter case.
std::string OnDisk(const std::string& dir, const std::string& file) {
  const std::string path = forms::ResolvePath(dir + "\\" + file);
  EXPECT_FALSE(path.empty()) << file;
  return path;
}

// Starts the game at the splash with the given app folder and lets the splash time out.
void RunToMenu(MenuRig& rig, const std::string& dir) {
  rig.scenario.Platform().app_folder = dir;
  rig.scenario.Start(rig.frmSplash);
  rig.scenario.Advance(5000);
}

void ExpectErrorNaming(MenuRig& rig, const std::string& file) {
  ASSERT_TRUE(rig.scenario.Finished()) << file;
  EXPECT_EQ(rig.scenario.ExitCode(), 1) << file;
  const auto& boxes = rig.scenario.Platform().message_boxes;
  ASSERT_EQ(boxes.size(), 1u) << file;
  EXPECT_NE(boxes[0].text.find(file), std::string::npos) << boxes[0].text;
}

TEST(MenuFailure, MissingOrCorruptPictureEndsTheGameNamingTheFile) {
  for (const char* file : {"letUp.jpg", "numUp.jpg", "ColUp.jpg", "shaUp.jpg"}) {
    for (bool corrupt : {false, true}) {
      MenuRig rig;
      const std::string dir = AppDirWithCompanion();
      if (corrupt) {
        std::ofstream(OnDisk(dir, file), std::ios::trunc) << "not a picture";
      } else {
        fs::remove(OnDisk(dir, file));
      }
      RunToMenu(rig, dir);
      ExpectErrorNaming(rig, file);
    }
  }
}

TEST(MenuFailure, MissingDownPictureEndsTheGameOnPress) {
  MenuRig rig;
  const std::string dir = AppDirWithCompanion();
  fs::remove(OnDisk(dir, "numDown.jpg"));
  RunToMenu(rig, dir);
  ASSERT_TRUE(rig.WOB.Loaded());
  rig.scenario.MouseDown(rig.WOB.Get<forms::Image>("cmdNumbers"));
  ExpectErrorNaming(rig, "numDown.jpg");
}

TEST(MenuFailure, MissingCursorEndsTheGameNamingTheFile) {
  MenuRig rig;
  const std::string dir = AppDirWithCompanion();
  for (int n = 1; n <= 10; ++n) fs::remove(OnDisk(dir, std::to_string(n) + ".ico"));
  RunToMenu(rig, dir);
  ASSERT_TRUE(rig.scenario.Finished());
  EXPECT_EQ(rig.scenario.ExitCode(), 1);
  const std::string text = rig.scenario.Platform().message_boxes.at(0).text;
  EXPECT_NE(text.find(".ico"), std::string::npos) << text;
}

TEST(MenuFailure, MissingCompanionEndsTheGameAtLoad) {
  MenuRig rig(1024, 768, Companion::kBeside);
  rig.scenario.Companion().processes = std::vector<std::string>{"explorer.exe"};
  RunToMenu(rig, wobtest::CopyAppDir());  // no Muzzle.exe in it
  ExpectErrorNaming(rig, "Muzzle.exe");
  EXPECT_TRUE(rig.scenario.Keyboard().hook_installs.empty());
}

TEST(MenuFailure, NoProcessListStillLocksDownAndSwitchesSoundOn) {
  MenuRig rig(1024, 768, Companion::kBeside);
  rig.scenario.Companion().processes = std::nullopt;
  RunToMenu(rig, AppDirWithCompanion());
  ASSERT_TRUE(rig.WOB.Loaded());
  EXPECT_TRUE(rig.scenario.Companion().started_programs.empty());
  EXPECT_EQ(rig.scenario.Keyboard().hook_installs.size(), 1u);
  EXPECT_NE(rig.WOB.KeyboardHook, 0);
  EXPECT_EQ(rig.WOB.MousePointer(), forms::kPointerCustom);
  EXPECT_TRUE(rig.state.SoundSwitch);
}

TEST(MenuCompanion, StartedWhenAbsentAndAgainOnCtrlAltT) {
  struct Case {
    std::vector<std::string> processes;
    std::size_t starts_at_load;
  };
  const Case cases[] = {
      {{"explorer.exe", "winlogon.exe"}, 1},
      {{"explorer.exe", "muzzle.EXE"}, 0},
      {{"Muzzle.exe"}, 0},
      {{"Muzzle.exe2"}, 1},  // only the whole name counts
      {{}, 1},
  };
  for (const Case& c : cases) {
    MenuRig rig(1024, 768, Companion::kBeside);
    auto& lockdown = rig.scenario.Companion();
    lockdown.processes = c.processes;
    const std::string dir = AppDirWithCompanion();
    RunToMenu(rig, dir);
    ASSERT_EQ(lockdown.started_programs.size(), c.starts_at_load);
    lockdown.window_classes = {"MuzzleFrame"};  // the companion runs
    rig.scenario.KeyDown(kKeyT, kCtrlAlt);
    ASSERT_EQ(lockdown.started_programs.size(), c.starts_at_load + 1);
    for (const auto& started : lockdown.started_programs) {
      EXPECT_EQ(started.path, dir + "\\Muzzle.exe");
      EXPECT_EQ(started.style, 2);
    }
    EXPECT_EQ(rig.scenario.ExitCode(), 0);
  }
}

TEST(MenuCompanion, NothingStartedWithoutACompanionPlatform) {
  MenuRig rig;
  auto& lockdown = rig.scenario.Companion();
  RunToMenu(rig, wobtest::CopyAppDir());
  ASSERT_TRUE(rig.WOB.Loaded());
  rig.scenario.KeyDown(kKeyT, kCtrlAlt);
  EXPECT_TRUE(lockdown.started_programs.empty());
  EXPECT_EQ(rig.scenario.ExitCode(), 0);
}

TEST(MenuCompanion, EndedByHandBeforeCtrlAltTIsNotStartedAgain) {
  MenuRig rig(1024, 768, Companion::kBeside);
  auto& lockdown = rig.scenario.Companion();
  RunToMenu(rig, AppDirWithCompanion());
  ASSERT_EQ(lockdown.started_programs.size(), 1u);
  lockdown.window_classes.clear();  // its window went with it
  rig.scenario.KeyDown(kKeyT, kCtrlAlt);
  EXPECT_EQ(lockdown.started_programs.size(), 1u);
  EXPECT_EQ(rig.scenario.ExitCode(), 0);
}

}  // namespace
}  // namespace shelltest
