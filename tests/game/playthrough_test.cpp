// The golden trace: one scripted play through every screen, checked against golden/playthrough.txt.
//
// After a deliberate change of behaviour, rewrite the golden file and review its diff:
//   WOB_UPDATE_GOLDEN=1 ./game_test --gtest_filter='GoldenPlaythrough.*'
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/shell/game.h"
#include "tests/game/play_trace.h"
#include "tests/lib/game_holder.h"
#include "tests/lib/scenario.h"

namespace gametest {
namespace {

using wobtest::GameHolder;

constexpr int kVkSpace = 0x20;
constexpr int kCtrlAlt = 6;
constexpr int kKeyS = 83;
constexpr int kKeyT = 84;
constexpr double kTickMs = 250;  // the activity screens' timer

class GoldenPlaythrough : public ::testing::Test {
 protected:
  GoldenPlaythrough()
      : holder_(Setup(scenario_).Make<GameHolder>(scenario_.Sound(), scenario_.Keyboard(),
                                                  &scenario_.Companion())),
        game_(holder_.game),
        trace_(scenario_, game_.state,
               {{&game_.frmSplash, "frmSplash"},
                {&game_.WOB, "WOB"},
                {&game_.frmLetters, "frmLetters"},
                {&game_.frmNumbers, "frmNumbers"},
                {&game_.frmShapes, "frmShapes"},
                {&game_.frmPaint, "frmPaint"}}) {}

  // A fixed start of the virtual clock makes every random pick the same at every run.
  static wobtest::Scenario& Setup(wobtest::Scenario& scenario) {
    scenario.Platform().clock_start_seconds = 37800.0;  // 10:30 in the morning
    auto& lockdown = scenario.Companion();              // as on Windows: the companion is started
    lockdown.programs_must_exist = false;               // the native build has no companion program
    lockdown.window_classes = {"MuzzleFrame"};  // the companion's window, which the exit closes
    return scenario;
  }

  void Do(const std::string& what, const std::function<void()>& act) {
    trace_.Step(what);
    act();
    trace_.Record();
  }
  void Key(char upper) {
    const char lower = static_cast<char>(upper - 'A' + 'a');
    Do(std::string("key ") + upper, [&] { scenario_.Press(upper, lower); });
  }
  void Digit(char digit) {
    Do(std::string("key ") + digit, [&] { scenario_.Press(digit, digit); });
  }
  void Click(const forms::Form& form, const char* control) {
    Do(std::string("click ") + control,
       [&] { scenario_.Click(form.Get<forms::Control>(control)); });
  }
  // Time passes one timer tick at a time, each recorded on its own.
  void Ticks(int count) {
    trace_.Step("wait " + std::to_string(count) + " ticks");
    for (int i = 0; i < count; ++i) {
      scenario_.Advance(kTickMs);
      trace_.Record();
    }
  }
  void ParentKey(int key, const char* what) {
    Do(what, [&] {
      scenario_.KeyDown(key, kCtrlAlt);
      if (!scenario_.Finished()) scenario_.KeyUp(key, kCtrlAlt);
    });
  }

  void PlayLetters();
  void PlayNumbersAndShapes();
  void PlayPaint();

  wobtest::Scenario scenario_;
  GameHolder& holder_;
  shell::Game& game_;
  PlayTrace trace_;
};

void GoldenPlaythrough::PlayLetters() {
  const auto& menu = game_.WOB;
  Do("mouse down cmdLetters", [&] { scenario_.MouseDown(menu.Get<forms::Control>("cmdLetters")); });
  Do("mouse up cmdLetters", [&] { scenario_.MouseUp(menu.Get<forms::Control>("cmdLetters")); });
  const auto& letters = game_.frmLetters;
  Key('W');
  Ticks(1);
  Key('O');
  Key('B');  // two keys in one tick: one picture, the last letter's
  Ticks(1);
  Do("mouse down cmdStar", [&] { scenario_.MouseDown(letters.Get<forms::Control>("cmdStar")); });
  Do("mouse up cmdStar", [&] { scenario_.MouseUp(letters.Get<forms::Control>("cmdStar")); });
  Ticks(1);
  Do("click the play area", [&] { scenario_.MouseUpAt(letters, 40, 40); });
  Ticks(1);
  Ticks(27);  // every picture bursts and goes
  Click(letters, "cmdExit");
}

void GoldenPlaythrough::PlayNumbersAndShapes() {
  Click(game_.WOB, "cmdNumbers");
  Digit('3');
  Ticks(1);
  Digit('9');  // names no picture: a random group's
  Ticks(1);
  Click(game_.frmNumbers, "cmdExit");

  Click(game_.WOB, "cmdShapes");
  Click(game_.frmShapes, "cmdHeart");
  Ticks(1);
  Key('X');
  Ticks(1);
  Click(game_.frmShapes, "cmdExit");
}

void GoldenPlaythrough::PlayPaint() {
  Click(game_.WOB, "cmdColors");
  const auto& paint = game_.frmPaint;
  const forms::PixelRect area = paint.Get<forms::Control>("Picture1").BoundsOnForm();
  auto stroke = [&](int row) {
    Do("mouse moves across Picture1", [&] {
      for (int i = 1; i <= 8; ++i) {
        scenario_.MouseMoveTo(paint, area.x + area.w * i / 10, area.y + area.h * row / 4);
      }
    });
  };
  stroke(1);
  Click(paint, "cmdSquare");
  stroke(2);
  Key('K');  // any character: a random colour
  stroke(3);
  Click(paint, "cmdClear");
  ParentKey(kKeyS, "key Ctrl+Alt+S");  // the switch is the whole game's: the menu sees it
  Click(paint, "cmdExit");
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The first line where the traces part, with a few lines around it from each.
std::string FirstDifference(const std::string& golden, const std::string& actual) {
  const std::vector<std::string> want = Lines(golden), got = Lines(actual);
  std::size_t at = 0;
  while (at < want.size() && at < got.size() && want[at] == got[at]) ++at;
  std::ostringstream text;
  text << "the traces part at line " << at + 1 << "\n";
  auto excerpt = [&](const char* title, const std::vector<std::string>& lines) {
    text << title << ":\n";
    const std::size_t from = at >= 3 ? at - 3 : 0;
    for (std::size_t i = from; i < lines.size() && i < at + 4; ++i) {
      text << (i == at ? "=> " : "   ") << lines[i] << "\n";
    }
  };
  excerpt("golden", want);
  excerpt("this run", got);
  return text.str();
}

TEST_F(GoldenPlaythrough, EveryScreenInOnePlaythroughMatchesTheGoldenTrace) {
  Do("start", [&] { scenario_.Start(game_.frmSplash); });
  Do("wait 1000 ms", [&] { scenario_.Advance(1000); });
  Do("key Space", [&] { scenario_.Press(kVkSpace, ' '); });
  PlayLetters();
  PlayNumbersAndShapes();
  PlayPaint();
  ParentKey(kKeyS, "key Ctrl+Alt+S");
  ParentKey(kKeyT, "key Ctrl+Alt+T");

  EXPECT_TRUE(scenario_.Finished());
  EXPECT_EQ(scenario_.ExitCode(), 0);
  EXPECT_TRUE(scenario_.Platform().message_boxes.empty());

  const std::string golden_path = std::string(WOB_GOLDEN_DIR) + "/playthrough.txt";
  const std::string actual = trace_.Text();
  const char* update = std::getenv("WOB_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::ofstream(golden_path, std::ios::binary) << actual;
    std::printf("rewrote %s\n", golden_path.c_str());
    return;
  }
  const std::string golden = ReadFile(golden_path);
  ASSERT_FALSE(golden.empty()) << golden_path << " is missing; write it with WOB_UPDATE_GOLDEN=1";
  EXPECT_TRUE(golden == actual) << FirstDifference(golden, actual)
                                << "if the change is on purpose, rewrite the golden file with "
                                   "WOB_UPDATE_GOLDEN=1 and review its diff";
}

}  // namespace
}  // namespace gametest
