// Untrapped run-time errors end the program with the runtime's box; PassOver skips a statement.
#include <gtest/gtest.h>

#include "game/forms/picture.h"
#include "game/lockdown/companion.h"
#include "tests/forms/script_form.h"
#include "tests/lib/scenario.h"

namespace {

using formtest::ScriptForm;

struct Failure {
  const char* what;
  std::function<void(ScriptForm&)> load;
  std::string box_text;  // "" when the text holds the missing path
};

TEST(Errors, UntrappedErrorShowsTheBoxNamingErrorAndFileAndExitsWithOne) {
  const std::string dir = wobtest::MakeTempDir();
  const std::string missing = dir + "\\letUp.jpg";
  lockdown::HeadlessCompanion system;
  system.window_classes = {"MuzzleFrame"};  // a companion runs, which the stop must close
  const Failure failures[] = {
      {"missing picture", [&](ScriptForm&) { forms::LoadPicture(missing); },
       "Run-time error '53':\n\nFile not found: " + dir + "/letUp.jpg"},
      {"missing program", [&](ScriptForm&) { lockdown::StopCompanion(system, dir); },
       "Run-time error '53':\n\nFile not found: " + dir + "/Muzzle.exe"},
      {"overflow", [](ScriptForm&) { forms::ThrowOverflow(); }, "Run-time error '6':\n\nOverflow"},
      {"internal", [](ScriptForm&) { throw std::logic_error("boom"); }, "Internal error: boom"},
  };
  for (const Failure& failure : failures) {
    wobtest::Scenario s;
    auto& form = s.Make<ScriptForm>();
    auto& other = s.Make<ScriptForm>();
    form.design = [&](ScriptForm& f) {
      f.AddControl<forms::Timer>("Timer1");
      other.Show();
    };
    form.load = failure.load;
    s.Start(form);
    EXPECT_TRUE(s.Finished()) << failure.what;
    EXPECT_EQ(s.ExitCode(), 1) << failure.what;
    ASSERT_EQ(s.Platform().message_boxes.size(), 1u) << failure.what;
    EXPECT_EQ(s.Platform().message_boxes[0].caption, "Wobbleton");
    EXPECT_EQ(s.Platform().message_boxes[0].text, failure.box_text);
    EXPECT_FALSE(other.Loaded()) << "every window goes with the error";
    EXPECT_EQ(s.Platform().ActiveWindow(), 0) << failure.what;
  }
}

TEST(Errors, AWindowThatCannotBeCreatedEndsTheProgramWithTheBox) {
  struct Case {
    const char* what;
    int windows_allowed;  // by the platform before it fails
    bool passed_over;     // the failing show runs in a statement a handler passes over
  };
  const Case cases[] = {
      {"the start-up form's window", 0, false},
      {"a modal screen's window", 1, false},
      {"a window shown in a passed-over statement", 1, true},
  };
  for (const Case& c : cases) {
    wobtest::Scenario s;
    auto& menu = s.Make<ScriptForm>();
    auto& screen = s.Make<ScriptForm>();
    screen.SetCaption("Screen");
    menu.SetCaption("Menu");
    menu.key_press = [&](int) {
      if (c.passed_over) {
        forms::PassOver([&] { s.App().ShowModal(screen); });
      } else {
        s.App().ShowModal(screen);
      }
      menu.log += '!';  // must not be reached
    };
    s.Platform().windows_allowed = c.windows_allowed;
    s.Start(menu);
    if (!s.Finished()) s.Char('a');
    ASSERT_TRUE(s.Finished()) << c.what;
    EXPECT_EQ(s.ExitCode(), 1) << c.what;
    ASSERT_EQ(s.Platform().message_boxes.size(), 1u) << c.what;
    const std::string caption = c.windows_allowed == 0 ? "Menu" : "Screen";
    EXPECT_EQ(s.Platform().message_boxes[0].text, "Cannot create the window of " + caption);
    EXPECT_EQ(menu.log.find('!'), std::string::npos) << c.what;
    EXPECT_EQ(s.Platform().ActiveWindow(), 0) << c.what;
  }
}

TEST(Errors, PassOverSkipsOnlyTheFailingStatement) {
  std::string done;
  forms::PassOver([&] { forms::LoadPicture("no such file.jpg"); });
  forms::PassOver([&] { done += "a"; });
  EXPECT_EQ(done, "a");
  EXPECT_THROW(forms::PassOver([] { throw std::logic_error("not a run-time error"); }),
               std::logic_error);
}

TEST(Errors, HandlerFailingInsideAPassedOverTickStillEndsTheProgram) {
  wobtest::Scenario s;
  auto& form = s.Make<ScriptForm>();
  int after = 0;
  form.key_press = [](int) { forms::ThrowOverflow(); };
  form.design = [&](ScriptForm& f) {
    auto& timer = f.AddControl<forms::Timer>("Timer1");
    timer.SetInterval(100);
    timer.SetEnabled(true);
    timer.on_tick = [&] {
      forms::Event key;
      key.kind = forms::Event::Kind::kChar;
      key.window = form.window;
      key.ch = 'q';
      s.Platform().Post(key);
      forms::PassOver([&] { s.App().DoEvents(); });
      ++after;
    };
  };
  s.Start(form);
  s.Advance(100);
  EXPECT_TRUE(s.Finished());
  EXPECT_EQ(after, 0);
  ASSERT_EQ(s.Platform().message_boxes.size(), 1u);
  EXPECT_EQ(s.Platform().message_boxes[0].text, "Run-time error '6':\n\nOverflow");
}

}  // namespace
