// Spoken names as timelines: which clip a new picture asks for, the gates, and a key flood.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "game/assets/asset_names.h"
#include "tests/activity/activity_fixture.h"

namespace activity_test {
namespace {

std::string Clip(const std::string& language, const std::string& name) {
  return wobtest::AppDir() + "\\voices\\" + language + "\\" + name + ".wav";
}

struct VoiceCase {
  const activity::ScreenTable* table;
  bool speak_names;
  bool sound_switch;
  const char* picker;  // released before the tick; null: "b" is typed
  std::vector<std::string> said;
};

TEST(ActivityVoice, ANewPictureSaysItsNameWhenNamesAndSoundAreOn) {
  const VoiceCase cases[] = {
      {&activity::kLetters, true, true, nullptr, {Clip("de", "b")}},
      {&activity::kNumbers, true, true, "cmdCircle", {Clip("de", "5")}},
      {&activity::kShapes, true, true, "cmdHeart", {Clip("de", "heart")}},
      {&activity::kLetters, false, true, nullptr, {}},  // the game as it always played
      {&activity::kLetters, true, false, nullptr, {}},  // Ctrl+Alt+S silences names too
  };
  for (const VoiceCase& c : cases) {
    SCOPED_TRACE(std::string(c.table->form_name) + (c.picker ? c.picker : " b"));
    ActivityRun run(*c.table);
    run.game.settings.speak_names = c.speak_names;
    run.game.SoundSwitch = c.sound_switch;
    run.game.voice_language = "de";
    run.Open();
    if (c.picker)
      run.ReleasePicker(c.picker);
    else
      run.Type("b");
    EXPECT_TRUE(run.scenario.Sound().said.empty()) << "input only leaves a note";
    run.Tick();
    ASSERT_EQ(run.PicturesPresent(), 1);
    EXPECT_EQ(run.scenario.Sound().said, c.said);
  }
}

TEST(ActivityVoice, UnderAKeyFloodOnlyTheNewestNameWaits) {
  ActivityRun run(activity::kLetters);
  run.game.settings.speak_names = true;
  run.Open();
  for (const char* letters : {"a", "b", "c", "d"}) {
    run.Type(letters);
    run.Tick();
  }
  const auto& sound = run.scenario.Sound();
  EXPECT_EQ(sound.said, std::vector<std::string>{Clip("en", "a")});
  EXPECT_EQ(sound.waiting, Clip("en", "d"));
  run.scenario.Sound().EndSaying();
  EXPECT_EQ(sound.said, (std::vector<std::string>{Clip("en", "a"), Clip("en", "d")}));
  EXPECT_EQ(sound.waiting, "");
  EXPECT_TRUE(sound.plays.empty()) << "no firework yet";
}

// Every picture a screen can spawn has a name, and every name a clip in every language.
TEST(ActivityVoice, EverySpawnedPictureHasAClipName) {
  const auto& names = assets::kVoiceNames;
  for (const activity::ScreenTable* table :
       {&activity::kLetters, &activity::kNumbers, &activity::kShapes}) {
    for (const auto& group : table->groups) {
      for (const std::string& picture : group) {
        const std::string name = activity::SpokenName(picture);
        EXPECT_NE(std::find(std::begin(names), std::end(names), name), std::end(names)) << picture;
      }
    }
  }
  EXPECT_EQ(activity::SpokenName("\\firework1.jpg"), "");
}

}  // namespace
}  // namespace activity_test
