// Forms' lives: load, modal shows, unload keeping state, controls added and removed at run time.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "game/forms/canvas.h"
#include "game/forms/headless/headless_platform.h"
#include "tests/forms/script_form.h"
#include "tests/lib/scenario.h"

namespace {

using formtest::ScriptForm;

// A menu with one button opening a modal screen that has an exit button.
struct MenuAndScreen {
  explicit MenuAndScreen(wobtest::Scenario& s)
      : menu(s.Make<ScriptForm>()), screen(s.Make<ScriptForm>()) {
    menu.design = [this](ScriptForm& f) {
      auto& open = f.AddControl<forms::Image>("cmdOpen");
      open.SetWidth(1500);
      open.SetHeight(1500);
      open.on_mouse_up = [this](const forms::MouseArgs&) {
        menu.App().ShowModal(screen);
        modal_returned = true;
      };
    };
    screen.design = [this](ScriptForm& f) {
      auto& exit = f.AddControl<forms::CommandButton>("cmdExit");
      exit.SetTop(3000);
      exit.SetWidth(1500);
      exit.SetHeight(600);
      exit.on_mouse_up = [this](const forms::MouseArgs&) { screen.Unload(); };
    };
  }
  ScriptForm& menu;
  ScriptForm& screen;
  bool modal_returned = false;
};

TEST(Lifecycle, ModalScreenStarvesTheFormBelowUntilItUnloads) {
  wobtest::Scenario s;
  MenuAndScreen forms(s);
  s.Start(forms.menu);
  s.Click(forms.menu.Get<forms::Image>("cmdOpen"));
  ASSERT_TRUE(forms.screen.Loaded());
  EXPECT_FALSE(forms.modal_returned);

  forms.menu.log.clear();
  s.Click(forms.menu.Get<forms::Image>("cmdOpen"));  // below the modal screen: dropped
  s.Press('A', 'a');
  EXPECT_EQ(forms.menu.log, "");
  EXPECT_EQ(forms.screen.log, "DLRKP");

  s.Click(forms.screen.Get<forms::CommandButton>("cmdExit"));
  EXPECT_FALSE(forms.screen.Loaded());
  EXPECT_TRUE(forms.modal_returned);
  s.Press('B', 'b');
  EXPECT_EQ(forms.menu.log, "KP");
  EXPECT_FALSE(s.Finished());
}

TEST(Lifecycle, AFormUnderAFullScreenModalHoldsNoFrameAndComesBackAsItWas) {
  wobtest::Scenario s(320, 240);
  MenuAndScreen forms(s);
  forms.menu.load = [](ScriptForm& f) {
    std::vector<std::uint32_t> stripes(16 * 16);
    for (std::size_t i = 0; i < stripes.size(); ++i) stripes[i] = i % 3 ? 0xFF20A040 : ~0u;
    auto& open = f.Get<forms::Image>("cmdOpen");
    open.SetStretch(true);
    open.SetPicture(std::make_shared<const forms::Picture>(16, 16, stripes));
  };
  s.Start(forms.menu);
  auto& open = forms.menu.Get<forms::Image>("cmdOpen");
  const forms::Canvas& before = *forms.menu.Drawing();
  const std::vector<std::uint32_t> menu(before.Pixels(), before.Pixels() + 320 * 240);
  const long long one_frame = 320 * 240 * 4;
  EXPECT_EQ(s.Platform().FrameBytes(), one_frame);

  s.Click(open);
  ASSERT_TRUE(forms.screen.Loaded());
  EXPECT_EQ(forms.menu.Drawing(), nullptr) << "the hidden menu gave its frame back";
  EXPECT_EQ(s.Platform().FrameBytes(), one_frame);

  const int presents = s.Platform().Window(forms.menu.window)->presents;
  s.Click(forms.screen.Get<forms::CommandButton>("cmdExit"));
  EXPECT_GT(s.Platform().Window(forms.menu.window)->presents, presents);
  ASSERT_NE(forms.menu.Drawing(), nullptr);
  const std::vector<std::uint32_t> after(forms.menu.Drawing()->Pixels(),
                                         forms.menu.Drawing()->Pixels() + 320 * 240);
  EXPECT_EQ(after, menu) << "drawn again, pixel for pixel";
  EXPECT_EQ(s.Platform().FrameBytes(), one_frame);
}

TEST(Lifecycle, OpeningAndLeavingAScreenNeverHoldsTwoFullScreenFrames) {
  wobtest::Scenario s(320, 240);
  MenuAndScreen forms(s);
  s.Start(forms.menu);
  for (int round = 0; round < 2; ++round) {
    s.Click(forms.menu.Get<forms::Image>("cmdOpen"));
    ASSERT_TRUE(forms.screen.Loaded());
    s.Click(forms.screen.Get<forms::CommandButton>("cmdExit"));
    ASSERT_FALSE(forms.screen.Loaded());
  }
  EXPECT_EQ(s.Platform().peak_frame_bytes, 320 * 240 * 4);
}

TEST(Lifecycle, AModalFormThatLeavesPartOfTheScreenKeepsTheFormBehindItDrawn) {
  wobtest::Scenario s(320, 240);
  MenuAndScreen forms(s);
  auto& box = s.Make<ScriptForm>(false);
  box.design = [](ScriptForm& f) { f.SetClientSize(1500, 1500); };  // 100 x 100 pixels
  forms.menu.key_press = [&](int) { forms.menu.App().ShowModal(box); };
  s.Start(forms.menu);
  s.Char('x');
  ASSERT_TRUE(box.Loaded());
  EXPECT_NE(forms.menu.Drawing(), nullptr) << "the menu still shows around the small form";
  EXPECT_EQ(s.Platform().FrameBytes(), (320 * 240 + 100 * 100) * 4);
}

TEST(Lifecycle, UnloadKeepsTheFormObjectAndAReloadDesignsAndLoadsAgain) {
  wobtest::Scenario s;
  MenuAndScreen forms(s);
  int opened = 0;
  forms.screen.load = [&](ScriptForm& f) {
    ++opened;
    f.AddImage("extra" + std::to_string(opened), nullptr);
  };
  s.Start(forms.menu);
  for (int i = 0; i < 2; ++i) {
    s.Click(forms.menu.Get<forms::Image>("cmdOpen"));
    s.Click(forms.screen.Get<forms::CommandButton>("cmdExit"));
  }
  EXPECT_EQ(opened, 2);  // the member outlived the first unload
  EXPECT_EQ(forms.screen.log, "DLRUDLRU");
  EXPECT_EQ(forms.screen.window, 0);
  EXPECT_TRUE(forms.screen.AllControls().empty());
  s.Click(forms.menu.Get<forms::Image>("cmdOpen"));
  EXPECT_EQ(forms.screen.Find("extra1"), nullptr);  // run-time controls went with the unload
  EXPECT_NE(forms.screen.Find("extra3"), nullptr);
}

TEST(Lifecycle, ExitButtonUnloadingTheLastFormEndsTheRun) {
  wobtest::Scenario s;
  MenuAndScreen forms(s);
  s.Start(forms.screen);
  s.Click(forms.screen.Get<forms::CommandButton>("cmdExit"));
  EXPECT_TRUE(s.Finished());
  EXPECT_EQ(s.ExitCode(), 0);
  EXPECT_TRUE(s.Platform().message_boxes.empty());
}

TEST(Lifecycle, RunTimeControlsAreFoundAndRemovedByName) {
  wobtest::Scenario s;
  auto& form = s.Make<ScriptForm>();
  s.Start(form);
  auto& frame = form.AddControl<forms::Frame>("Frame1");
  forms::Image& img = form.AddImage("cmd7Img", &frame);
  EXPECT_FALSE(img.Visible());
  EXPECT_EQ(img.Parent(), &frame);
  EXPECT_EQ(form.Find("CMD7IMG"), &img);  // names ignore case

  struct Bad {
    std::function<void()> statement;
    forms::ErrorCode code;
  };
  const Bad bad[] = {
      {[&] { form.AddImage("cmd7img", nullptr); }, forms::ErrorCode::kNameInUse},
      {[&] { form.Remove("cmd8Img"); }, forms::ErrorCode::kControlNotFound},
      {[&] { form.Get<forms::Image>("nothing"); }, forms::ErrorCode::kControlNotFound},
      {[&] { form.Get<forms::Label>("cmd7Img"); }, forms::ErrorCode::kControlNotFound},
  };
  for (const Bad& b : bad) {
    try {
      b.statement();
      ADD_FAILURE() << "no error";
    } catch (const forms::RuntimeError& e) {
      EXPECT_EQ(e.Code(), b.code) << e.what();
    }
  }
  form.Remove("Frame1");  // takes its children along
  EXPECT_EQ(form.Find("cmd7Img"), nullptr);
  EXPECT_TRUE(form.AllControls().empty());
  EXPECT_TRUE(form.Children().empty());
}

TEST(Lifecycle, FormDestroyedWhileLoadedLeavesTheRunSafe) {
  wobtest::Scenario s;
  auto owner = std::make_unique<ScriptForm>(s.App());
  s.Start(*owner);
  owner.reset();
  EXPECT_TRUE(s.App().LoadedForms().empty());
}

}  // namespace
