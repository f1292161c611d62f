// The main menu's layout arithmetic: the worked 1024 x 768 example, rounding, wide displays.
#include "game/shell/menu_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuLayout, ButtonHeightLeavesABandForTheHints) {
  struct Case {
    double height, button_height, label_height;
  };
  const Case cases[] = {
      {11520, 4635.2451708766, 724.7548291233},   // 768 pixels at 15 twips
      {16200, 6658.8410104011, 1041.1589895988},  // 1080 pixels
      {800, 0, 0},
  };
  for (const Case& c : cases) {
    const double button = shell::ButtonHeightFor(c.height);
    EXPECT_NEAR(button, c.button_height, 1e-6) << c.height;
    EXPECT_NEAR(shell::HintLabelHeightFor(c.height, button), c.label_height, 1e-6) << c.height;
    // Two rows of buttons, two hint labels and five 200-twip gaps fill the height.
    EXPECT_NEAR(2 * button + 2 * shell::HintLabelHeightFor(c.height, button) + 800, c.height, 1e-6);
  }
}

TEST(MenuLayout, ButtonWidthRoundsHalvesToEvenAndNeverOverflows) {
  struct Case {
    double width;
    std::int64_t button_width;
  };
  const Case cases[] = {
      {15360, 7380},  {28800, 14100}, {601, 0},  // 0.5 -> 0
      {603, 2},       {605, 2},       {607, 4},  // 1.5 -> 2, 2.5 -> 2, 3.5 -> 4
      {15361, 7380},  {15363, 7382},  {66200, 32800},
      {66202, 32801}, {76800, 38100}, {153600, 76500},  // 5K and 10K at 96 DPI
  };
  for (const Case& c : cases) EXPECT_EQ(shell::ButtonWidthFor(c.width), c.button_width) << c.width;
}

TEST(MenuLayout, SmallFormsDoNotFit) {
  EXPECT_TRUE(shell::FitsMenuLayout(600, 800));
  EXPECT_FALSE(shell::FitsMenuLayout(599, 800));
  EXPECT_FALSE(shell::FitsMenuLayout(600, 799));
  EXPECT_FALSE(shell::FitsMenuLayout(0, 0));
}

TEST(MenuLayout, HintFontScalesFromTheDesignSize) {
  EXPECT_FLOAT_EQ(shell::HintFontSizeFor(8.25f, 720), 14.85f);
  EXPECT_FLOAT_EQ(shell::HintFontSizeFor(8.25f, 400), 8.25f);
  EXPECT_FLOAT_EQ(shell::HintFontSizeFor(8.25f, 0), 0.0f);
}

}  // namespace
