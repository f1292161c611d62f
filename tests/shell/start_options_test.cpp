// What the game starts with: the command line over the settings file, and the voice, as one table.
#include "game/shell/start_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace shell {
namespace {

struct StartCase {
  std::vector<std::string> args;
  const char* file;  // the settings file's text; null: no file
  bool speak_names;
  const char* voice;
  size_t problems;
  const char* unknown = "";
  bool help = false;
};

TEST(StartOptions, TheCommandLineOverTheSettingsFile) {
  const std::filesystem::path path = std::filesystem::path(testing::TempDir()) / "start.ini";
  const std::set<std::string> voices = {"en", "de", "fr"};
  const auto has_voice = [&](const std::string& code) { return voices.count(code) > 0; };
  const StartCase cases[] = {
      {{}, nullptr, false, "de", 0},
      {{"--speak-names"}, nullptr, true, "de", 0},
      {{"--language", "fr"}, "[Playboard]\nSpeakNames=1\n", true, "fr", 0},
      {{"--language=fr"}, "[Playboard]\nLanguage=de\n", false, "fr", 0},
      {{}, "[Playboard]\nLanguage=fr\nSpeakNames=0\n", false, "fr", 0},
      {{"--language", "French"}, "[Playboard]\nLanguage=fr\n", false, "fr", 1},
      {{"--language"}, nullptr, false, "de", 1},
      {{"--language", "xx"}, nullptr, false, "de", 1},  // no voice: the computer's
      {{}, "[Playboard]\nLanguage=xx\n", false, "de", 1},
      {{}, "[Playboard]\nSpeakNames=2\nLanguage=German\n", false, "de", 2},
      {{}, "SpeakNames=1\n\x01", false, "de", 1},  // damaged: the defaults
      {{"--help"}, nullptr, false, "de", 0, "", true},
      {{"--speak-names", "--loud", "--help"}, nullptr, true, "de", 0, "--loud"},
  };
  for (const StartCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args) + (c.file ? c.file : "(no file)"));
    std::filesystem::remove(path);
    if (c.file) std::ofstream(path) << c.file;
    const CommandLine line = ParseCommandLine(c.args);
    EXPECT_EQ(line.unknown, c.unknown);
    EXPECT_EQ(line.help, c.help);
    const StartSettings start = ReadStartSettings(path, line, "de", has_voice);
    EXPECT_EQ(start.settings.speak_names, c.speak_names);
    EXPECT_EQ(start.voice_language, c.voice);
    EXPECT_EQ(start.problems.size(), c.problems) << testing::PrintToString(start.problems);
  }
}

}  // namespace
}  // namespace shell
