// Twips geometry: written values are kept as whole pixels of the display.
#include <gtest/gtest.h>

#include "game/forms/headless/headless_platform.h"
#include "tests/forms/script_form.h"
#include "tests/lib/scenario.h"

namespace {

using formtest::ScriptForm;

struct Rounding {
  int twips_per_pixel;
  float written;
  float left_read, width_read;
};

TEST(Geometry, WrittenTwipsReadBackAsWholePixels) {
  const Rounding cases[] = {
      {15, 100, 105, 105},
      {15, 7, 0, 0},
      {15, 8, 15, 15},
      {15, 7.5f, 15, 15},
      {15, -20, -15, 0},
      {15, -500, -495, 0},
      {12, 100, 96, 96},
      {15, 4635.245f, 4635, 4635},
      {15, 1e30f, 1.5e8f, 1.5e8f},
  };
  for (const Rounding& c : cases) {
    forms::HeadlessPlatform platform(800, 600, c.twips_per_pixel);
    forms::Application app(platform);
    ScriptForm form(app);
    auto& image = form.AddControl<forms::Image>("img");
    image.SetLeft(c.written);
    image.SetWidth(c.written);
    EXPECT_EQ(image.Left(), c.left_read) << c.written << " at " << c.twips_per_pixel;
    EXPECT_EQ(image.Width(), c.width_read) << c.written << " at " << c.twips_per_pixel;
  }
}

TEST(Geometry, FormSizeIsDisplayOrClientSizeInTwips) {
  wobtest::Scenario s(1024, 768, 15);
  auto& full = s.Make<ScriptForm>(true);
  auto& small = s.Make<ScriptForm>(false);
  full.load = [&](ScriptForm&) { s.App().Show(small); };
  s.Start(full);
  EXPECT_EQ(full.Width(), 15360);
  EXPECT_EQ(full.Height(), 11520);
  EXPECT_EQ(small.Width(), 6000);
  EXPECT_EQ(small.Height(), 4500);
  const auto* window = s.Platform().Window(small.window);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->spec.centred);
  EXPECT_EQ(window->spec.width, 400);
  EXPECT_TRUE(s.Platform().Window(full.window)->spec.maximised);
}

TEST(Geometry, DisplaysListThePrimaryOneFirst) {
  wobtest::Scenario s(1280, 1024);
  EXPECT_EQ(s.App().Displays().size(), 1u);
  s.Platform().other_displays = {{1280, 0, 1920, 1080}};
  const auto displays = s.App().Displays();
  ASSERT_EQ(displays.size(), 2u);
  EXPECT_EQ(displays[0].w, 1280);
  EXPECT_EQ(displays[0].h, 1024);
  EXPECT_EQ(displays[1].x, 1280);
  EXPECT_EQ(displays[1].w, 1920);
}

TEST(Geometry, ChildOfFrameIsPlacedRelativeToIt) {
  forms::HeadlessPlatform platform;
  forms::Application app(platform);
  ScriptForm form(app);
  auto& frame = form.AddControl<forms::Frame>("Frame1");
  frame.SetLeft(150);
  frame.SetTop(300);
  auto& inner = form.AddControl<forms::Image>("inner", &frame);
  inner.SetLeft(30);
  inner.SetTop(45);
  inner.SetWidth(150);
  inner.SetHeight(75);
  const forms::PixelRect r = inner.BoundsOnForm();
  EXPECT_EQ(r.x, 12);
  EXPECT_EQ(r.y, 23);
  EXPECT_EQ(r.w, 10);
  EXPECT_EQ(r.h, 5);
}

}  // namespace
