// The settings file: keys and ranges as one table, then what reading and writing do on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/settings/settings_file.h"

namespace settings {
namespace {

struct ParseCase {
  const char* text;
  Settings expected;
  size_t problems;
};

Settings With(bool speak, const char* language, bool hold, Volume volume, bool keep) {
  return {speak, language, hold, volume, keep};
}

TEST(Settings, ReadsEveryKeyAndKeepsTheDefaultOfAValueOutOfRange) {
  const Settings defaults;
  const ParseCase cases[] = {
      {"", defaults, 0},
      {"[Playboard]\r\nSpeakNames=1\r\nLanguage=de\r\nExitHold=1\r\nVolume=quiet\r\n"
       "KeepPaintings=1\r\n",
       With(true, "de", true, Volume::kQuiet, true), 0},
      {"; comment\n[playboard]\n speaknames = 1 \n", With(true, "", false, Volume::kNormal, false),
       0},
      {"[Other]\nSpeakNames=1\n", defaults, 0},
      {"[Playboard]\nSpeakNames=yes\nVolume=loud\nLanguage=German\nExitHold=2\n", defaults, 4},
      {"[Playboard]\nLanguage=\nKeepPaintings=1\n", With(false, "", false, Volume::kNormal, true),
       0},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.text);
    auto ini = IniFile::Parse(c.text);
    ASSERT_TRUE(ini);
    std::vector<std::string> problems;
    EXPECT_EQ(FromIni(*ini, problems), c.expected);
    EXPECT_EQ(problems.size(), c.problems);
  }
}

TEST(Settings, TextThatIsNoIniFileIsRefused) {
  using namespace std::literals;
  for (std::string_view text : {"SpeakNames=1\n"sv, "[Playboard]\nno equals sign\n"sv,
                                "[Playboard]\n=1\n"sv, "[Playboard]\nSpeakNames=1\0\x01"sv}) {
    EXPECT_FALSE(IniFile::Parse(text)) << text;
  }
}

class SettingsFile : public testing::Test {
 protected:
  std::filesystem::path folder_ = std::filesystem::path(testing::TempDir()) / "wob settings é";
  std::filesystem::path path_ = folder_ / "settings.ini";
  void SetUp() override { std::filesystem::remove_all(folder_); }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  void Write(const std::string& text) {
    std::filesystem::create_directories(folder_);
    std::ofstream(path_, std::ios::binary) << text;
  }
  std::string Read() {
    std::ifstream file(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }
};

TEST_F(SettingsFile, MissingOrDamagedGivesTheDefaultsAndReadingNeverWrites) {
  LoadedSettings missing = LoadSettings(path_);
  EXPECT_EQ(missing.settings, Settings{});
  EXPECT_TRUE(missing.problems.empty());
  EXPECT_FALSE(std::filesystem::exists(path_));

  const std::string damaged = "\x89PNG\r\n\x1a\n[Playboard]\nSpeakNames=1\n";
  Write(damaged);
  LoadedSettings loaded = LoadSettings(path_);
  EXPECT_EQ(loaded.settings, Settings{});
  EXPECT_EQ(loaded.problems.size(), 1u);
  EXPECT_EQ(Read(), damaged);
}

TEST_F(SettingsFile, ASaveKeepsOtherSectionsAndAFailedOneKeepsThePreviousFile) {
  Write("[LastGame]\nSeconds=12\n[Playboard]\nSpeakNames=0\n");
  LoadedSettings loaded = LoadSettings(path_);
  loaded.settings.speak_names = true;
  ToIni(loaded.settings, loaded.ini);
  ASSERT_TRUE(SaveIni(path_, loaded.ini));
  LoadedSettings again = LoadSettings(path_);
  EXPECT_TRUE(again.settings.speak_names);
  EXPECT_EQ(again.ini.Get("LastGame", "Seconds"), "12");
  EXPECT_FALSE(std::filesystem::exists(path_.string() + ".tmp"));

  const std::string before = Read();
  std::filesystem::create_directory(path_.string() + ".tmp");  // the temporary cannot be made
  again.settings.keep_paintings = true;
  ToIni(again.settings, again.ini);
  EXPECT_FALSE(SaveIni(path_, again.ini));
  EXPECT_EQ(Read(), before);
}

}  // namespace
}  // namespace settings
