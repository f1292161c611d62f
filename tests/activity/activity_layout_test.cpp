// The activity screen's form, its load and its layout on the design size and on 1024 x 768.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "tests/activity/activity_fixture.h"

namespace activity_test {
namespace {

struct Box {
  const char* control;
  float left, top, width, height;  // twips as the display holds them
  float book_left, book_top;       // the worked example's values before any rounding
  float slack;  // twips: half a pixel, plus each rounded button width to the control's right
};

void ExpectLayout(ActivityRun& run, const std::vector<Box>& boxes) {
  for (const Box& box : boxes) {
    const auto* control = run.screen.Find(box.control);
    ASSERT_NE(control, nullptr) << box.control;
    EXPECT_FLOAT_EQ(control->Left(), box.left) << box.control;
    EXPECT_FLOAT_EQ(control->Top(), box.top) << box.control;
    EXPECT_FLOAT_EQ(control->Width(), box.width) << box.control;
    EXPECT_FLOAT_EQ(control->Height(), box.height) << box.control;
    EXPECT_LE(std::fabs(control->Left() - box.book_left), box.slack) << box.control;
    // Half a pixel, plus the rounding of the height read back (under 3 twips in both examples).
    EXPECT_LE(std::fabs(control->Top() - box.book_top), 10.5f) << box.control;
  }
}

// 404 x 281 pixels at 15 twips a pixel is the design size 6060 x 4215.
TEST(ActivityLayout, DesignSize) {
  ActivityRun run(activity::kLetters, 404, 281);
  run.Open();
  EXPECT_FLOAT_EQ(run.probe.HeightRatio(), 1.0f);
  EXPECT_FLOAT_EQ(run.probe.WidthRatio(), 1.0f);
  // Buttons 495 = 33 px; the row's top 4215 - 200 - 495 = 3520 is held as 235 px.
  ExpectLayout(run, {
                        {"cmdSquare", 5370, 3525, 495, 495, 5365, 3520, 7.5f},
                        {"cmdCircle", 4665, 3525, 495, 495, 4670, 3520, 7.5f},
                        {"cmdDiamond", 3975, 3525, 495, 495, 3975, 3520, 7.5f},
                        {"cmdHeart", 3285, 3525, 495, 495, 3280, 3520, 7.5f},
                        {"cmdStar", 2580, 3525, 495, 495, 2585, 3520, 7.5f},
                        {"cmdTriangle", 1890, 3525, 495, 495, 1890, 3520, 7.5f},
                        {"cmdExit", 195, 3525, 495, 495, 200, 3520, 7.5f},
                        {"Frame1", 195, 195, 5655, 3120, 200, 200, 7.5f},
                    });
}

// 1024 x 768: buttons 1254.65 x 1352.88 are held as 84 x 90 px (1260 x 1350). The lefts follow
// from the widths read back, so each button to a picker's right moves it up to 5.35 twips.
TEST(ActivityLayout, Display1024x768) {
  ActivityRun run(activity::kLetters, 1024, 768);
  run.Open();
  EXPECT_FLOAT_EQ(run.probe.HeightRatio(), 11520.0f / 4215.0f);
  EXPECT_FLOAT_EQ(run.probe.WidthRatio(), 15360.0f / 6060.0f);
  ExpectLayout(run, {
                        {"cmdSquare", 13905, 9975, 1260, 1350, 13905.347f, 9967.117f, 13},
                        {"cmdCircle", 12435, 9975, 1260, 1350, 12450.693f, 9967.117f, 18.2f},
                        {"cmdDiamond", 10980, 9975, 1260, 1350, 10996.040f, 9967.117f, 23.6f},
                        {"cmdHeart", 9525, 9975, 1260, 1350, 9541.387f, 9967.117f, 29},
                        {"cmdStar", 8055, 9975, 1260, 1350, 8086.733f, 9967.117f, 34.3f},
                        {"cmdTriangle", 6600, 9975, 1260, 1350, 6632.079f, 9967.117f, 39.7f},
                        {"cmdExit", 195, 9975, 1260, 1350, 200, 9967.117f, 7.5f},
                        {"Frame1", 195, 195, 14955, 9570, 200, 200, 7.5f},
                    });
}

TEST(ActivityForm, DesignAndLoad) {
  ActivityRun run(activity::kNumbers);
  run.Open();
  auto& s = run.screen;
  EXPECT_EQ(s.Caption(), "Kinderkit");
  EXPECT_EQ(s.BackColor(), forms::Rgb(0, 0, 0));
  EXPECT_TRUE(s.KeyPreview());
  EXPECT_EQ(s.Get<forms::CommandButton>("cmdExit").Caption(), "Exit");
  EXPECT_EQ(s.Get<forms::Frame>("Frame1").BackColor(), forms::Rgb(0, 0, 0));
  EXPECT_EQ(s.Get<forms::Timer>("Timer1").Interval(), 250);
  EXPECT_TRUE(s.Get<forms::Timer>("Timer1").Enabled());
  EXPECT_EQ(s.MousePointer(), forms::kPointerCustom);
  EXPECT_NE(s.MouseIcon(), nullptr);
  for (int i = 0; i < activity::kPickerCount; ++i) {
    EXPECT_EQ(s.LoadedFile(activity::kPickers[i].name), activity::kNumbers.faces[i].up);
    EXPECT_TRUE(s.Get<forms::Image>(activity::kPickers[i].name).Stretch());
  }
}

// A picker shows its down picture while held and its up picture after, whatever the button,
// and the release stores the picker's group.
TEST(ActivityPickers, PressAndReleaseAnyButton) {
  ActivityRun run(activity::kLetters);
  run.Open();
  for (int i = 0; i < activity::kPickerCount; ++i) {
    const auto& picker = activity::kPickers[i];
    for (int button : {1, 2, 4}) {
      auto& image = run.screen.Get<forms::Image>(picker.name);
      run.scenario.MouseDown(image, button, 1);
      EXPECT_EQ(run.screen.LoadedFile(picker.name), activity::kLetters.faces[i].down);
      EXPECT_EQ(run.probe.PickerChoice(), 0);
      run.scenario.MouseUp(image, button, 1);
      EXPECT_EQ(run.screen.LoadedFile(picker.name), activity::kLetters.faces[i].up);
      EXPECT_EQ(run.probe.PickerChoice(), picker.group) << picker.name << " button " << button;
      run.probe.PickerChoice() = 0;
    }
  }
}

TEST(ActivityKeys, CtrlAltSFlipsTheSoundSwitchOnly) {
  struct Case {
    int key, shift;
    bool flips;
  };
  const Case cases[] = {{kKeyS, kCtrlAlt, true}, {kKeyS, 7, false},     {kKeyS, 2, false},
                        {kKeyS, 4, false},       {84, kCtrlAlt, false}, {kKeyS, 0, false}};
  ActivityRun run(activity::kShapes);
  run.Open();
  for (const Case& c : cases) {
    const bool before = run.game.SoundSwitch;
    run.scenario.KeyDown(c.key, c.shift);
    run.scenario.KeyUp(c.key, c.shift);
    EXPECT_EQ(run.game.SoundSwitch != before, c.flips) << c.key << " shift " << c.shift;
  }
  EXPECT_FALSE(run.scenario.Finished());
}

// Space and Enter on the focused exit button do nothing; its release closes the screen.
TEST(ActivityExit, OnlyTheMouseReleaseCloses) {
  ActivityRun run(activity::kLetters);
  run.Open();
  run.scenario.Press(32, ' ');
  run.scenario.Press(13, 13);
  EXPECT_TRUE(run.screen.Loaded());
  run.scenario.MouseDown(run.screen.Get<forms::CommandButton>("cmdExit"), 2);
  EXPECT_TRUE(run.screen.Loaded());
  run.scenario.MouseUp(run.screen.Get<forms::CommandButton>("cmdExit"), 2);
  EXPECT_FALSE(run.screen.Loaded());
  EXPECT_TRUE(run.scenario.Finished());
  EXPECT_EQ(run.scenario.ExitCode(), 0);
}

TEST(ActivityForm, ReopeningPicksANewRandomCursor) {
  ActivityRun run(activity::kLetters);
  run.OpenFromMenu();
  std::set<std::vector<std::uint32_t>> cursors;
  for (int opening = 0; opening < 12; ++opening) {
    ASSERT_TRUE(run.screen.Loaded());
    cursors.insert(run.screen.MouseIcon()->Pixels());
    run.scenario.Advance(1000 + 37 * opening);  // the reseed follows the clock
    run.scenario.Click(run.screen.Get<forms::CommandButton>("cmdExit"));
    run.scenario.Char(' ');
  }
  EXPECT_GT(cursors.size(), 1u);
}

// A picker or cursor file that cannot be loaded is an error no handler traps: the runtime's box
// names the file and the game ends.
TEST(ActivityForm, MissingButtonOrCursorFileEndsTheGame) {
  struct Case {
    std::vector<std::string> missing;
    bool press_triangle;
    std::string named;
  };
  const Case cases[] = {
      {{"abcd-down.jpg"}, true, "abcd-down.jpg"},
      {{"efgh-Up.jpg"}, false, "efgh-Up.jpg"},
      {{"1.ico", "2.ico", "3.ico", "4.ico", "5.ico", "6.ico", "7.ico", "8.ico", "9.ico", "10.ico"},
       false,
       ".ico"},
  };
  for (const Case& c : cases) {
    const std::string dir = wobtest::CopyAppDir();
    for (const std::string& file : c.missing) std::filesystem::remove(dir + "/" + file);
    ActivityRun run(activity::kLetters, 1024, 768, dir);
    run.Open();
    if (c.press_triangle) run.scenario.MouseDown(run.screen.Get<forms::Image>("cmdTriangle"));
    EXPECT_TRUE(run.scenario.Finished()) << c.named;
    EXPECT_EQ(run.scenario.ExitCode(), 1) << c.named;
    ASSERT_EQ(run.scenario.Platform().message_boxes.size(), 1u) << c.named;
    EXPECT_NE(run.scenario.Platform().message_boxes[0].text.find(c.named), std::string::npos)
        << run.scenario.Platform().message_boxes[0].text;
  }
}

}  // namespace
}  // namespace activity_test
