// Drawing: only changed areas are presented; labels, dots, icons and buttons put real pixels.
#include <gtest/gtest.h>

#include "game/forms/picture.h"
#include "tests/forms/script_form.h"
#include "tests/lib/image_files.h"
#include "tests/lib/scenario.h"

namespace {

using formtest::ScriptForm;

forms::PictureRef SolidPicture(std::uint32_t argb, int w = 8, int h = 8) {
  return std::make_shared<const forms::Picture>(w, h, wobtest::Solid(w, h, argb));
}

int CountPixels(const forms::Canvas& canvas, const forms::PixelRect& r, forms::Color color) {
  int n = 0;
  for (int y = r.y; y < r.y + r.h; ++y) {
    for (int x = r.x; x < r.x + r.w; ++x) n += canvas.At(x, y) == color;
  }
  return n;
}

// A form of two stretched images; a key press swaps the left one's picture.
struct TwoImages {
  explicit TwoImages(wobtest::Scenario& s) : form(s.Make<ScriptForm>()) {
    form.design = [](ScriptForm& f) {
      f.SetBackColor(0x000000);
      for (int i = 0; i < 2; ++i) {
        auto& img = f.AddControl<forms::Image>("img" + std::to_string(i));
        img.SetStretch(true);
        img.SetPicture(SolidPicture(0xFF0000FF));
        img.SetLeft(1500.0f + i * 4500.0f);
        img.SetTop(1500);
        img.SetWidth(3000);
        img.SetHeight(1500);
      }
    };
    form.key_press = [this](int) { form.Get<forms::Image>("img0").SetPicture(SolidPicture(~0u)); };
  }
  ScriptForm& form;
};

TEST(Render, FirstShowPresentsTheWholeFormThenOnlyChangedAreas) {
  wobtest::Scenario s(640, 480);
  TwoImages t(s);
  s.Start(t.form);
  auto& p = s.Platform();
  EXPECT_EQ(p.presents, 1);
  EXPECT_EQ(p.presented_pixels, 640 * 480);
  EXPECT_EQ(t.form.Drawing()->At(150, 150), 0x0000FFu);
  EXPECT_EQ(t.form.Drawing()->At(50, 50), 0x000000u);

  s.Char('x');
  EXPECT_EQ(p.presents, 2);
  ASSERT_EQ(p.last_present.size(), 1u);
  const forms::PixelRect r = p.last_present[0];
  EXPECT_EQ(r.x, 100);
  EXPECT_EQ(r.y, 100);
  EXPECT_EQ(r.w, 200);
  EXPECT_EQ(r.h, 100);
  EXPECT_EQ(t.form.Drawing()->At(150, 150), 0xFFFFFFu);
  EXPECT_EQ(t.form.Drawing()->At(450, 150), 0x0000FFu);

  s.KeyDown('Q');  // changes nothing: nothing is presented
  EXPECT_EQ(p.presents, 2);
}

TEST(Render, HiddenFormIsNotPresentedUntilVisibleAgain) {
  wobtest::Scenario s(640, 480);
  TwoImages t(s);
  t.form.key_down = [&](int key, int) { t.form.SetVisible(key == 'V'); };
  s.Start(t.form);
  s.Press('H', 'h');
  EXPECT_EQ(s.Platform().presents, 1);
  s.KeyDown('V');
  EXPECT_EQ(s.Platform().presents, 2);
  EXPECT_EQ(t.form.Drawing()->At(150, 150), 0xFFFFFFu);
}

TEST(Render, IconBlendsOverWhatLiesBelow) {
  wobtest::Scenario s(320, 240);
  auto& form = s.Make<ScriptForm>();
  form.design = [](ScriptForm& f) {
    f.SetBackColor(0x000000);
    auto& icon = f.AddControl<forms::Image>("icon");
    std::vector<std::uint32_t> px = wobtest::Solid(2, 1, 0x80FFFFFF);
    px[1] = 0x00FFFFFF;
    icon.SetPicture(std::make_shared<const forms::Picture>(2, 1, px));
    icon.SetWidth(300);
    icon.SetHeight(300);
  };
  s.Start(form);
  EXPECT_EQ(form.Drawing()->At(0, 0), 0x808080u);
  EXPECT_EQ(form.Drawing()->At(1, 0), 0x000000u);
  EXPECT_EQ(form.Drawing()->At(0, 1), 0x000000u) << "natural size: one row only";
}

TEST(Render, LabelDrawsAntiAliasedTextAndAutoSizeKeepsTheRightEdge) {
  wobtest::Scenario s(640, 480);
  s.Platform().app_folder = formtest::FontFolder();
  auto& form = s.Make<ScriptForm>();
  form.design = [](ScriptForm& f) {
    auto& label = f.AddControl<forms::Label>("lblVersion");
    label.SetBackColor(0xFFFFFF);
    label.SetFontSize(24);
    label.SetAlignment(forms::Alignment::kRight);
    label.SetLeft(3000);
    label.SetWidth(3000);
    label.SetAutoSize(true);
    label.SetCaption("Version");
  };
  form.key_press = [&](int) { form.Get<forms::Label>("lblVersion").SetCaption("Version 1.0.0"); };
  s.Start(form);
  auto& label = form.Get<forms::Label>("lblVersion");
  EXPECT_EQ(label.Left() + label.Width(), 6000);
  EXPECT_NEAR(label.Height(), 32 * 15, 6 * 15);  // 24 pt is a 32-pixel em
  const forms::PixelRect box = label.BoundsOnForm();
  const int black = CountPixels(*form.Drawing(), box, 0x000000);
  const int white = CountPixels(*form.Drawing(), box, 0xFFFFFF);
  EXPECT_GT(black, 100);
  EXPECT_LT(black + white, box.w * box.h) << "edges are anti-aliased";
  const float narrow = label.Width();
  s.Char('x');
  EXPECT_GT(label.Width(), narrow);
  EXPECT_EQ(label.Left() + label.Width(), 6000);
}

TEST(Render, MissingFontEndsTheProgramNamingTheFile) {
  wobtest::Scenario s(320, 240);
  s.Platform().app_folder = wobtest::MakeTempDir();
  auto& form = s.Make<ScriptForm>();
  form.design = [](ScriptForm& f) {
    auto& label = f.AddControl<forms::Label>("Label1");
    label.SetWidth(1500);
    label.SetHeight(450);
    label.SetCaption("Hi");  // the font is needed at the first paint
  };
  s.Start(form);
  EXPECT_EQ(s.ExitCode(), 1);
  ASSERT_EQ(s.Platform().message_boxes.size(), 1u);
  EXPECT_NE(s.Platform().message_boxes[0].text.find("LiberationSans-Bold.ttf"), std::string::npos);
}

TEST(Render, PictureBoxDotsAreRoundClippedCheapAndErased) {
  wobtest::Scenario s(640, 480);
  auto& form = s.Make<ScriptForm>();
  form.design = [](ScriptForm& f) {
    auto& box = f.AddControl<forms::PictureBox>("Picture1");
    box.SetLeft(1500);
    box.SetTop(1500);
    box.SetWidth(3000);
    box.SetHeight(3000);
    box.SetDrawWidth(10);
  };
  form.key_press = [&](int ch) {
    auto& box = form.Get<forms::PictureBox>("Picture1");
    if (ch == 'd') box.PSet(1500, 1500, forms::Rgb(245, 0, 0));
    if (ch == 'e') box.PSet(0, 0, forms::Rgb(245, 0, 0));
    if (ch == 'c') box.SetBackColor(0xFFFFFF);
  };
  s.Start(form);
  const long long before = s.Platform().presented_pixels;
  s.Char('d');
  EXPECT_EQ(s.Platform().presented_pixels - before, 100) << "only the dot's square";
  const forms::Color red = forms::Rgb(245, 0, 0);
  const int dot = CountPixels(*form.Drawing(), {190, 190, 20, 20}, red);
  EXPECT_GT(dot, 70);
  EXPECT_LT(dot, 100);
  EXPECT_EQ(CountPixels(*form.Drawing(), {190, 200, 20, 1}, red), 10) << "ten pixels across";

  s.Char('e');  // at the box's corner: a quarter inside, nothing outside
  EXPECT_EQ(CountPixels(*form.Drawing(), {90, 90, 10, 10}, red), 0);
  EXPECT_GT(CountPixels(*form.Drawing(), {100, 100, 5, 5}, red), 15);

  s.Char('c');
  EXPECT_EQ(CountPixels(*form.Drawing(), {100, 100, 200, 200}, red), 0);
  EXPECT_EQ(form.Get<forms::PictureBox>("Picture1").PixelAt(100, 100), 0xFFFFFFu);
}

TEST(Render, CustomPointerSetsTheWindowCursor) {
  wobtest::Scenario s(320, 240);
  auto& form = s.Make<ScriptForm>();
  const forms::PictureRef brush = SolidPicture(0xFF00FF00, 32, 32);
  form.load = [&](ScriptForm& f) { f.SetMouseIcon(brush); };
  form.key_press = [&](int) { form.SetMousePointer(forms::kPointerCustom); };
  s.Start(form);
  EXPECT_EQ(s.Platform().Window(form.window)->cursor, nullptr);
  s.Char('x');
  EXPECT_EQ(s.Platform().Window(form.window)->cursor, brush.get());
}

}  // namespace
