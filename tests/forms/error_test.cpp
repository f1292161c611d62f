// Untrapped run-time errors end the program with the runtime's box; PassOver skips a statement.
#include <gtest/gtest.h>

#include "game/forms/picture.h"
#include "game/lockdown/companion.h"
#include "tests/forms/script_form.h"
#include "tests/support/scenario.h"

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
  lockdown::HeadlessLockdown system;
  const Failure failures[] = {
      {"missing picture", [&](ScriptForm&) { forms::LoadPicture(missing); },
       "Run-time error '53':\n\nFile not found: " + missing},
      {"missing program", [&](ScriptForm&) { lockdown::StopCompanion(system, dir); },
       "Run-time error '53':\n\nFile not found: " + dir + "\\Muzzle.exe"},
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
