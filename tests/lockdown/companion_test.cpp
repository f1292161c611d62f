// The companion's start and stop against the headless lockdown's process list and program starts.
#include "game/lockdown/companion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/forms/errors.h"
#include "tests/support/scenario.h"

namespace {

namespace fs = std::filesystem;

class CompanionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = wobtest::CopyAppDir();
    std::ofstream(fs::path(dir) / "Muzzle.exe") << "companion";
    Platform().app_folder = dir;
    Lockdown().uses_companion = true;
  }
  forms::HeadlessPlatform& Platform() { return scenario.Platform(); }
  lockdown::HeadlessLockdown& Lockdown() { return scenario.Lockdown(); }
  std::size_t Starts() { return Lockdown().started_programs.size(); }

  wobtest::Scenario scenario;
  std::string dir;
};

TEST_F(CompanionTest, StartsUnlessAProcessOfItsNameRuns) {
  struct Case {
    std::vector<std::string> processes;
    std::size_t starts;
  };
  const Case cases[] = {
      {{}, 1},
      {{"System", "explorer.exe"}, 1},
      {{"explorer.exe", "Muzzle.exe"}, 0},
      {{"muzzle.EXE"}, 0},
      {{"MUZZLE.EXE", "Muzzle.exe"}, 0},
      {{"Muzzle.exe2"}, 1},  // the first ten characters alone do not make the companion
      {{"Muzzle.ex"}, 1},
      {{"xMuzzle.exe"}, 1},
      {{"Muzzle.exe "}, 1},
      {{""}, 1},
  };
  for (const Case& c : cases) {
    Lockdown().started_programs.clear();
    Lockdown().processes = c.processes;
    lockdown::StartCompanionUnlessRunning(Lockdown(), dir);
    ASSERT_EQ(Starts(), c.starts) << (c.processes.empty() ? "(none)" : c.processes.back());
    if (c.starts == 1) {
      EXPECT_EQ(Lockdown().started_programs[0].path, dir + "\\Muzzle.exe");
      EXPECT_EQ(Lockdown().started_programs[0].style, 2);
    }
  }
}

TEST_F(CompanionTest, NoProcessListSkipsTheCheckOnly) {
  Lockdown().processes = std::nullopt;
  EXPECT_NO_THROW(lockdown::StartCompanionUnlessRunning(Lockdown(), dir));
  EXPECT_EQ(Starts(), 0u);
}

TEST_F(CompanionTest, StopStartsItAgainWithoutLooking) {
  Lockdown().processes = std::vector<std::string>{"Muzzle.exe"};
  lockdown::StartCompanionUnlessRunning(Lockdown(), dir);
  lockdown::StopCompanion(Lockdown(), dir);
  ASSERT_EQ(Starts(), 1u);
  EXPECT_EQ(Lockdown().started_programs[0].path, dir + "\\Muzzle.exe");
  EXPECT_EQ(Lockdown().started_programs[0].style, 2);
}

TEST_F(CompanionTest, PlatformsWithoutTheCompanionStartNothing) {
  Lockdown().uses_companion = false;
  Lockdown().processes = std::vector<std::string>{};
  lockdown::StartCompanionUnlessRunning(Lockdown(), dir);
  lockdown::StopCompanion(Lockdown(), dir);
  EXPECT_EQ(Starts(), 0u);
}

TEST_F(CompanionTest, StopWithoutTheFileClosesTheRunningCompanionThenReportsTheFile) {
  fs::remove(fs::path(dir) / "Muzzle.exe");
  Lockdown().window_classes = {"MuzzleFrame"};
  EXPECT_THROW(lockdown::StopCompanion(Lockdown(), dir), forms::RuntimeError);
  EXPECT_EQ(Lockdown().closed_window_classes, std::vector<std::string>{"MuzzleFrame"});
  EXPECT_TRUE(Lockdown().window_classes.empty());
}

TEST_F(CompanionTest, StopWithTheFileLeavesClosingToTheSecondStart) {
  Lockdown().window_classes = {"MuzzleFrame"};
  lockdown::StopCompanion(Lockdown(), dir);
  EXPECT_EQ(Starts(), 1u);
  EXPECT_TRUE(Lockdown().closed_window_classes.empty());
}

TEST_F(CompanionTest, MissingFileIsTheRuntimesFileError) {
  fs::remove(fs::path(dir) / "Muzzle.exe");
  Lockdown().processes = std::vector<std::string>{};
  for (auto call : {&lockdown::StartCompanionUnlessRunning, &lockdown::StopCompanion}) {
    try {
      call(Lockdown(), dir);
      ADD_FAILURE() << "no error";
    } catch (const forms::RuntimeError& error) {
      EXPECT_EQ(error.Code(), forms::ErrorCode::kFileNotFound);
      EXPECT_NE(error.File().find("Muzzle.exe"), std::string::npos) << error.File();
    }
  }
}

}  // namespace
