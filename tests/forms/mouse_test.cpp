// Mouse routing: hit test in z-order, capture from down to up, click, twips arguments.
#include <gtest/gtest.h>

#include "tests/forms/script_form.h"
#include "tests/lib/scenario.h"

namespace {

using formtest::ScriptForm;

// Log letters per control: d down, u up, c click, m move; the control's name comes first.
struct MouseForm {
  explicit MouseForm(wobtest::Scenario& s) : form(s.Make<ScriptForm>()) {
    form.design = [this](ScriptForm& f) {
      auto& frame = Place(f.AddControl<forms::Frame>("Frame1"), 1500, 1500, 4500, 3000);
      Place(f.AddControl<forms::Image>("A"), 0, 0, 1500, 1500);
      Place(f.AddControl<forms::Image>("B", &frame), 1500, 1500, 1500, 750);
      Place(f.AddControl<forms::Label>("Hidden", &frame), 1500, 1500, 1500, 750).SetVisible(false);
      Place(f.AddControl<forms::Timer>("Timer1", &frame), 0, 0, 4500, 3000);
    };
  }
  template <class T>
  T& Place(T& c, float left, float top, float width, float height) {
    c.SetLeft(left);
    c.SetTop(top);
    c.SetWidth(width);
    c.SetHeight(height);
    const std::string name = c.Name();
    c.on_mouse_down = [this, name](const forms::MouseArgs& a) {
      log += name + "d";
      last = a;
    };
    c.on_mouse_up = [this, name](const forms::MouseArgs& a) {
      log += name + "u";
      last = a;
    };
    c.on_mouse_move = [this, name](const forms::MouseArgs& a) {
      log += name + "m";
      last = a;
    };
    c.on_click = [this, name] { log += name + "c"; };
    return c;
  }
  ScriptForm& form;
  std::string log;
  forms::MouseArgs last;
};

TEST(Mouse, HitTestFindsTheTopmostVisibleControlInsideFrames) {
  struct Hit {
    int x, y;
    const char* expected;
  };
  const Hit hits[] = {
      {50, 50, "Ad"},         // plain image
      {250, 220, "Bd"},       // inside the frame, over a hidden label and the timer
      {120, 120, "Frame1d"},  // the frame itself
      {500, 500, ""},         // the bare form
  };
  for (const Hit& hit : hits) {
    wobtest::Scenario s(640, 480);
    MouseForm t(s);
    s.Start(t.form);
    s.MouseDownAt(t.form, hit.x, hit.y);
    EXPECT_EQ(t.log, hit.expected) << hit.x << "," << hit.y;
  }
}

TEST(Mouse, ArgumentsAreTwipsRelativeToTheControl) {
  wobtest::Scenario s(640, 480);
  MouseForm t(s);
  s.Start(t.form);
  s.MouseDownAt(t.form, 210, 205, 2, 3);
  EXPECT_EQ(t.log, "Bd");
  EXPECT_EQ(t.last.button, 2);
  EXPECT_EQ(t.last.shift, 3);
  EXPECT_EQ(t.last.x, 150);
  EXPECT_EQ(t.last.y, 75);
}

TEST(Mouse, CaptureSendsMovesAndTheUpToTheControlPressed) {
  struct Gesture {
    const char* what;
    int up_x, up_y, button;
    const char* expected;
  };
  const Gesture gestures[] = {
      {"release over it", 60, 60, 1, "AdAmAuAc"},
      {"release elsewhere", 250, 220, 1, "AdAmAu"},
      {"right button", 60, 60, 2, "AdAmAu"},
  };
  for (const Gesture& g : gestures) {
    wobtest::Scenario s(640, 480);
    MouseForm t(s);
    s.Start(t.form);
    s.MouseDownAt(t.form, 50, 50, g.button);
    s.MouseMoveTo(t.form, 400, 400, g.button);  // far away, still captured
    s.MouseUpAt(t.form, g.up_x, g.up_y, g.button);
    EXPECT_EQ(t.log, g.expected) << g.what;
  }
}

TEST(Mouse, MovesWithoutButtonsGoToTheControlUnderThePointer) {
  wobtest::Scenario s(640, 480);
  MouseForm t(s);
  s.Start(t.form);
  s.MouseMoveTo(t.form, 50, 50);
  s.MouseMoveTo(t.form, 250, 220);
  s.MouseMoveTo(t.form, 600, 50);
  EXPECT_EQ(t.log, "AmBm");
  EXPECT_EQ(t.last.button, 0);
}

TEST(Mouse, ButtonLooksPressedOnlyWhileHeldOverIt) {
  wobtest::Scenario s(640, 480);
  auto& form = s.Make<ScriptForm>();
  form.design = [](ScriptForm& f) {
    auto& b = f.AddControl<forms::CommandButton>("cmdClear");
    b.SetWidth(1500);
    b.SetHeight(600);
  };
  s.Start(form);
  auto& button = form.Get<forms::CommandButton>("cmdClear");
  EXPECT_EQ(form.Drawing()->At(0, 0), 0xFFFFFFu);  // raised: light top-left edge
  s.MouseDown(button);
  EXPECT_TRUE(button.Pressed());
  EXPECT_EQ(form.Drawing()->At(0, 0), 0x000000u);
  s.MouseMoveTo(form, 300, 300, 1);
  EXPECT_FALSE(button.Pressed());
  s.MouseUpAt(form, 300, 300);
  EXPECT_EQ(form.Drawing()->At(0, 0), 0xFFFFFFu);
}

TEST(Mouse, ControlRemovedByItsOwnHandlerIsSafe) {
  wobtest::Scenario s(640, 480);
  MouseForm t(s);
  s.Start(t.form);
  t.form.Get<forms::Image>("A").on_mouse_up = [&](const forms::MouseArgs&) { t.form.Remove("A"); };
  s.MouseDownAt(t.form, 50, 50);
  s.MouseUpAt(t.form, 50, 50);
  EXPECT_EQ(t.form.Find("A"), nullptr);
  EXPECT_EQ(t.log, "Ad");
}

}  // namespace
