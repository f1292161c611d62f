// Processes and program starts of the Linux lockdown.
#include "game/lockdown/lockdown_service_posix.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace lockdown {
namespace {

namespace fs = std::filesystem;

class PosixProcessesTest : public testing::Test {
 protected:
  void SetUp() override {
    root = fs::path(testing::TempDir()) /
           ("posix_processes_" + std::to_string(getpid()) + "_" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root);
  }
  void TearDown() override { fs::remove_all(root); }

  void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
  }

  fs::path root;
};

TEST_F(PosixProcessesTest, ProcessNamesComeFromTheCommFiles) {
  Write(root / "1" / "comm", "init\n");
  Write(root / "42" / "comm", "Muzzle.exe\n");
  Write(root / "77" / "comm", "");          // a process that has no name
  fs::create_directories(root / "78");      // a process that ended while the list was read
  Write(root / "self" / "comm", "skip\n");  // not a process folder
  Write(root / "12x" / "comm", "skip\n");
  Write(root / "uptime", "1.0 2.0\n");
  auto names = ListProcessNames(root.string());
  ASSERT_TRUE(names.has_value());
  std::sort(names->begin(), names->end());
  EXPECT_EQ(*names, (std::vector<std::string>{"Muzzle.exe", "init"}));
}

TEST_F(PosixProcessesTest, AnUnreadableProcessFolderGivesNoList) {
  EXPECT_FALSE(ListProcessNames((root / "missing").string()).has_value());
  EXPECT_FALSE(ListProcessNames("").has_value());
}

TEST_F(PosixProcessesTest, TheRealListHoldsThisTest) {
  std::ifstream own("/proc/self/comm");
  std::string own_name;
  ASSERT_TRUE(std::getline(own, own_name));
  const auto names = ListProcessNames();
  ASSERT_TRUE(names.has_value());
  EXPECT_NE(std::find(names->begin(), names->end(), own_name), names->end());
}

TEST_F(PosixProcessesTest, OnlyAnExecutableFileStarts) {
  const fs::path script = root / "Muzzle.exe";
  Write(script, "#!/bin/sh\nexit 0\n");
  const fs::path text = root / "notes.txt";
  Write(text, "not a program\n");
  fs::permissions(script, fs::perms::owner_all);
  EXPECT_TRUE(SpawnProgram(script.string()));
  EXPECT_FALSE(SpawnProgram(text.string()));
  EXPECT_FALSE(SpawnProgram((root / "absent.exe").string()));
  EXPECT_FALSE(SpawnProgram(root.string()));
  EXPECT_FALSE(SpawnProgram(""));
  ReapPrograms();
}

}  // namespace
}  // namespace lockdown
