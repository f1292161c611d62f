// The [LastGame] figures and the pictures folder of an XDG user-dirs file, as tables.
#include <gtest/gtest.h>

#include "game/settings/last_game.h"
#include "game/settings/settings_file.h"

namespace settings {
namespace {

TEST(LastGame, WrittenFiguresReadBackAndDamagedOnesReadAsNone) {
  IniFile ini = *IniFile::Parse("[Playboard]\nSpeakNames=1\n");
  const LastGame written{3725, {4, 2, 1, 0, 3, 0, 9}};
  ToIni(written, ini);
  EXPECT_EQ(LastGameFromIni(ini), written);
  EXPECT_EQ(ini.Get("Playboard", "SpeakNames"), "1") << "other sections stay";

  const char* damaged[] = {
      "[Playboard]\nSpeakNames=1\n",  // no section at all
      "[LastGame]\nSeconds=-5\nWindowsKeys=0\nAltTab=0\nAltEsc=0\nCtrlEsc=0\nAppsKey=0\n"
      "Sleep=0\nOther=0\n",
      "[LastGame]\nSeconds=12x\nWindowsKeys=0\nAltTab=0\nAltEsc=0\nCtrlEsc=0\nAppsKey=0\n"
      "Sleep=0\nOther=0\n",
      "[LastGame]\nSeconds=12\nWindowsKeys=99999999999\nAltTab=0\nAltEsc=0\nCtrlEsc=0\n"
      "AppsKey=0\nSleep=0\nOther=0\n",
      "[LastGame]\nSeconds=12\nWindowsKeys=1\n",  // kinds missing
  };
  for (const char* text : damaged) EXPECT_FALSE(LastGameFromIni(*IniFile::Parse(text))) << text;
}

TEST(UserDirs, PicturesFolder) {
  const std::filesystem::path home = "/home/ann";
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"XDG_PICTURES_DIR=\"$HOME/Pictures\"\n", "/home/ann/Pictures"},
      {"# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n",
       "/home/ann/Bilder"},
      {"XDG_PICTURES_DIR=\"/srv/photos\"", "/srv/photos"},
      {"XDG_PICTURES_DIR=\"$HOME/\"\n", "/home/ann"},
      {"XDG_PICTURES_DIR=\"relative/path\"\n", ""},
      {"XDG_PICTURES_DIR=\"$HOMER/x\"\n", ""},
      {"XDG_PICTURES_DIR=unquoted\n", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PicturesFromUserDirs(c.text, home), std::filesystem::path(c.expected)) << c.text;
  }
}

}  // namespace
}  // namespace settings
