// The parent panel over the menu: each control writes the settings file at once, a failed write
// says so and keeps the file, the close button goes back, and the game's figures are kept.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/lockdown/escape_tally.h"
#include "game/settings/settings_file.h"
#include "tests/shell/menu_rig.h"

namespace shelltest {
namespace {

namespace fs = std::filesystem;

void OpenPanel(MenuRig& rig) {
  rig.scenario.KeyDown(0x11, 2);
  rig.scenario.KeyDown(0x12, 6);
  rig.scenario.KeyDown('O', 6);
  rig.scenario.Advance(2000);
  rig.scenario.KeyUp('O', 6);
  ASSERT_TRUE(rig.frmParent.Loaded());
}

std::string Saved(const MenuRig& rig, const char* key) {
  return settings::LoadSettings(rig.settings_path).ini.Get("Playboard", key).value_or("<none>");
}

struct ClickCase {
  const char* button;
  const char* key;
  std::vector<std::string> values;  // in the file after each click
  const char* caption;              // the button's after the first click
};

const ClickCase kClicks[] = {
    {"cmdSpeakNames", "SpeakNames", {"1", "0"}, "Spoken names: on"},
    {"cmdLanguage", "Language", {"de", "fr", ""}, "Language: de"},
    {"cmdExit", "ExitHold", {"1", "0"}, "Parent exit: Ctrl+Alt+T held for 2 seconds"},
    {"cmdVolume", "Volume", {"quiet", "normal"}, "Volume: quiet"},
    {"cmdKeepPaintings", "KeepPaintings", {"1", "0"}, "Keep paintings: on"},
};

TEST(ParentPanel, EachControlWritesTheSettingsFileAtOnce) {
  // The languages are the voices' folders beside the game; others are not languages.
  const fs::path app = wobtest::CopyAppDir();
  fs::remove_all(app / "voices");
  for (const char* folder : {"voices/fr", "voices/de", "voices/Not-a-code"})
    fs::create_directories(app / folder);
  for (const ClickCase& c : kClicks) {
    SCOPED_TRACE(c.button);
    MenuRig rig;
    rig.scenario.Platform().app_folder = app.string();
    rig.scenario.Start(rig.WOB);
    OpenPanel(rig);
    auto& button = rig.frmParent.Get<forms::CommandButton>(c.button);
    for (std::size_t i = 0; i < c.values.size(); ++i) {
      rig.scenario.Click(button);
      if (i == 0) {
        EXPECT_EQ(button.Caption(), c.caption);
        if (c.key == std::string("Language")) {
          EXPECT_EQ(rig.state.voice_language, "de");
        }
      }
      EXPECT_EQ(Saved(rig, c.key), c.values[i]);
    }
    EXPECT_EQ(rig.frmParent.Get<forms::Label>("lblProblem").Caption(), "");
  }
}

TEST(ParentPanel, AChangeSavesOnlyItsOwnSettingNotTheCommandLines) {
  MenuRig rig;
  rig.state.settings.speak_names = true;  // as --speak-names gives it for one run
  rig.scenario.Start(rig.WOB);
  OpenPanel(rig);
  rig.scenario.Click(rig.frmParent.Get<forms::CommandButton>("cmdVolume"));
  EXPECT_EQ(Saved(rig, "Volume"), "quiet");
  EXPECT_EQ(Saved(rig, "SpeakNames"), "0");
  EXPECT_TRUE(rig.state.settings.speak_names);
}

TEST(ParentPanel, QuietCapsTheSoundOutput) {
  MenuRig rig;
  rig.scenario.Start(rig.WOB);
  OpenPanel(rig);
  rig.scenario.Click(rig.frmParent.Get<forms::CommandButton>("cmdVolume"));
  EXPECT_FLOAT_EQ(rig.scenario.Sound().Gain(), sound::kQuietGain);
  rig.scenario.Click(rig.frmParent.Get<forms::CommandButton>("cmdVolume"));
  EXPECT_FLOAT_EQ(rig.scenario.Sound().Gain(), 1.0f);
}

TEST(ParentPanel, AFailedWriteSaysSoAndKeepsThePreviousFile) {
  MenuRig rig;
  std::ofstream(rig.settings_path) << "[Playboard]\nSpeakNames=0\n";
  fs::create_directory(rig.settings_path + ".tmp");  // the temporary file cannot be made
  rig.scenario.Start(rig.WOB);
  OpenPanel(rig);
  rig.scenario.Click(rig.frmParent.Get<forms::CommandButton>("cmdSpeakNames"));
  EXPECT_NE(rig.frmParent.Get<forms::Label>("lblProblem").Caption(), "");
  EXPECT_EQ(Saved(rig, "SpeakNames"), "0");
  EXPECT_TRUE(rig.state.settings.speak_names) << "the choice holds for this game";
}

TEST(ParentPanel, CloseGoesBackToTheMenu) {
  MenuRig rig;
  rig.scenario.Start(rig.WOB);
  OpenPanel(rig);
  rig.scenario.Click(rig.frmParent.Get<forms::CommandButton>("cmdClose"));
  EXPECT_FALSE(rig.frmParent.Loaded());
  EXPECT_TRUE(rig.WOB.Loaded());
  EXPECT_EQ(rig.OpenScreen(), nullptr);
}

// The key filter's tally and the time since the menu's load: shown, then kept at the exit.
TEST(ParentPanel, TheGamesFiguresAreShownAndKeptAtTheExit) {
  MenuRig rig;
  rig.scenario.Start(rig.WOB);
  lockdown::GameEscapes().Decided(0x5B, false, false, true, true);
  lockdown::GameEscapes().Decided(0x09, true, false, true, true);
  rig.scenario.Advance(63000);
  OpenPanel(rig);
  EXPECT_EQ(rig.frmParent.Get<forms::Label>("lblThisGame").Caption(),
            "This game so far: 1 min; escape keys held back: 1 Windows keys, 1 Alt+Tab");
  rig.scenario.Click(rig.frmParent.Get<forms::CommandButton>("cmdClose"));
  rig.scenario.KeyDown('T', 6);
  ASSERT_TRUE(rig.scenario.Finished());
  const auto last_game = settings::LastGameFromIni(settings::LoadSettings(rig.settings_path).ini);
  ASSERT_TRUE(last_game);
  EXPECT_EQ(last_game->seconds, 65);
  EXPECT_EQ(last_game->held_back, (std::array<int, 7>{1, 1, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace shelltest
