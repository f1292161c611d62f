// Processes, program starts and the local clock of the Linux platform.
#include "game/forms/sdl/posix_services.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace forms {
namespace {

namespace fs = std::filesystem;

class PosixServicesTest : public testing::Test {
 protected:
  void SetUp() override {
    root = fs::path(testing::TempDir()) /
           ("posix_services_" + std::to_string(getpid()) + "_" +
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

TEST_F(PosixServicesTest, ProcessNamesComeFromTheCommFiles) {
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

TEST_F(PosixServicesTest, AnUnreadableProcessFolderGivesNoList) {
  EXPECT_FALSE(ListProcessNames((root / "missing").string()).has_value());
  EXPECT_FALSE(ListProcessNames("").has_value());
}

TEST_F(PosixServicesTest, TheRealListHoldsThisTest) {
  std::ifstream own("/proc/self/comm");
  std::string own_name;
  ASSERT_TRUE(std::getline(own, own_name));
  const auto names = ListProcessNames();
  ASSERT_TRUE(names.has_value());
  EXPECT_NE(std::find(names->begin(), names->end(), own_name), names->end());
}

TEST_F(PosixServicesTest, OnlyAnExecutableFileStarts) {
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

TEST_F(PosixServicesTest, SecondsSinceMidnightLieWithinADay) {
  const double seconds = LocalSecondsSinceMidnight();
  EXPECT_GE(seconds, 0.0);
  EXPECT_LT(seconds, 86401.0);
}

}  // namespace
}  // namespace forms
