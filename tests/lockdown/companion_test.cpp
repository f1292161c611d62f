// The companion's start and stop against the headless companion's process list and program starts.
#include "game/lockdown/companion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/forms/errors.h"
#include "tests/lib/scenario.h"

namespace {

namespace fs = std::filesystem;

class CompanionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = wobtest::CopyAppDir();
    std::ofstream(fs::path(dir) / "Muzzle.exe") << "companion";
    Platform().app_folder = dir;
  }
  forms::HeadlessPlatform& Platform() { return scenario.Platform(); }
  lockdown::HeadlessCompanion& Lockdown() { return scenario.Companion(); }
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

// The stop starts the companion a second time only while its window exists, and waits for that
// start; without the file it closes the window itself, as the start would have by its settings.
TEST_F(CompanionTest, StopByTheRunningCompanionAndItsSettings) {
  enum Setting { kMissing = -1 };
  struct StopCase {
    const char* name;
    bool window;
    bool file;
    int shut_down_when_run_again;
    bool stop_start;
    bool closed;
    bool file_error;
  };
  const StopCase cases[] = {
      {"running", true, true, kMissing, true, false, false},
      {"running, told to stay", true, true, 0, true, false, false},
      {"ended by hand", false, true, kMissing, false, false, false},
      {"ended by hand, file gone", false, false, kMissing, false, false, false},
      {"file gone", true, false, kMissing, false, true, true},
      {"file gone, setting on", true, false, 1, false, true, true},
      {"file gone, setting 7", true, false, 7, false, true, true},
      {"file gone, told to stay", true, false, 0, false, false, true},
  };
  for (const StopCase& c : cases) {
    SCOPED_TRACE(c.name);
    Lockdown().started_programs.clear();
    Lockdown().closed_window_classes.clear();
    Lockdown().window_classes.clear();
    Lockdown().settings.clear();
    if (c.window) Lockdown().window_classes = {"MuzzleFrame"};
    if (!c.file) fs::remove(fs::path(dir) / "Muzzle.exe");
    if (c.file) std::ofstream(fs::path(dir) / "Muzzle.exe") << "companion";
    if (c.shut_down_when_run_again != kMissing) {
      Lockdown().settings[dir + "\\Muzzle.ini|Config|ShutDownWhenRunAgain"] =
          c.shut_down_when_run_again;
    }
    bool file_error = false;
    try {
      lockdown::StopCompanion(Lockdown(), dir);
    } catch (const forms::RuntimeError& error) {
      file_error = error.Code() == forms::ErrorCode::kFileNotFound &&
                   error.File().find("Muzzle.exe") != std::string::npos;
    }
    EXPECT_EQ(file_error, c.file_error);
    ASSERT_EQ(Starts(), c.stop_start ? 1u : 0u);
    if (c.stop_start) {
      EXPECT_EQ(Lockdown().started_programs[0].path, dir + "\\Muzzle.exe");
      EXPECT_EQ(Lockdown().started_programs[0].style, 2);
      EXPECT_TRUE(Lockdown().started_programs[0].waited);
    }
    EXPECT_EQ(Lockdown().closed_window_classes.size(), c.closed ? 1u : 0u);
  }
}

TEST_F(CompanionTest, StartTellsWhetherItStartedTheCompanion) {
  Lockdown().processes = std::vector<std::string>{"Muzzle.exe"};
  EXPECT_FALSE(lockdown::StartCompanionUnlessRunning(Lockdown(), dir));
  Lockdown().processes = std::vector<std::string>{"explorer.exe"};
  EXPECT_TRUE(lockdown::StartCompanionUnlessRunning(Lockdown(), dir));
  EXPECT_FALSE(Lockdown().started_programs.at(0).waited);
}

TEST_F(CompanionTest, MissingFileAtLoadIsTheRuntimesFileError) {
  fs::remove(fs::path(dir) / "Muzzle.exe");
  Lockdown().processes = std::vector<std::string>{};
  try {
    lockdown::StartCompanionUnlessRunning(Lockdown(), dir);
    ADD_FAILURE() << "no error";
  } catch (const forms::RuntimeError& error) {
    EXPECT_EQ(error.Code(), forms::ErrorCode::kFileNotFound);
    EXPECT_NE(error.File().find("Muzzle.exe"), std::string::npos) << error.File();
  }
}

}  // namespace
