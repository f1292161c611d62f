// The splash frmSplash on the headless platform: five seconds, early close, what does not close it.
#include <gtest/gtest.h>

#include "tests/shell/menu_rig.h"

namespace shelltest {
namespace {

class SplashTest : public ::testing::Test {
 protected:
  void SetUp() override { rig.scenario.Start(rig.frmSplash); }
  bool SplashUp() const { return rig.frmSplash.Loaded() && !rig.WOB.Loaded(); }
  MenuRig rig;
};

TEST_F(SplashTest, TenthTickShowsTheMenuAtFiveSeconds) {
  rig.scenario.Advance(4500);
  EXPECT_TRUE(SplashUp());
  EXPECT_EQ(rig.frmSplash.SplashTicks, 9);
  rig.scenario.Advance(500);
  EXPECT_FALSE(rig.frmSplash.Loaded());
  EXPECT_TRUE(rig.WOB.Loaded());
  EXPECT_EQ(rig.scenario.App().LoadedForms().size(), 1u);
}

TEST_F(SplashTest, CharacterKeysCloseItAtOnce) {
  rig.scenario.Advance(1200);
  rig.scenario.Press('Q', 'q');
  EXPECT_FALSE(rig.frmSplash.Loaded());
  EXPECT_TRUE(rig.WOB.Loaded());
  EXPECT_EQ(rig.OpenScreen(), nullptr) << "the key that closed the splash opens no screen";
}

TEST_F(SplashTest, ControlCharactersCloseItToo) {
  for (int ch : {13, 27, 8}) {
    MenuRig fresh;
    fresh.scenario.Start(fresh.frmSplash);
    fresh.scenario.Char(ch);
    EXPECT_TRUE(fresh.WOB.Loaded()) << ch;
  }
}

TEST_F(SplashTest, KeysWithoutACharacterDoNothing) {
  rig.scenario.KeyDown(0x10, 1);  // Shift alone
  rig.scenario.KeyUp(0x10);
  for (int arrow = 0x25; arrow <= 0x28; ++arrow) rig.scenario.Press(arrow, 0);
  rig.scenario.Press(0x70, 0);    // F1
  rig.scenario.KeyDown(0x11, 2);  // Ctrl alone
  rig.scenario.KeyUp(0x11);
  EXPECT_TRUE(SplashUp());
}

TEST_F(SplashTest, FrameClickClosesItButLogoAndLabelsDoNot) {
  for (const char* name : {"imgLogo", "lblCompanyProduct", "lblProductName", "lblVersion"}) {
    rig.scenario.Click(*rig.frmSplash.Find(name));
    EXPECT_TRUE(SplashUp()) << name;
  }
  // A spot of the frame left of the logo and below the text, where no control lies.
  rig.scenario.MouseDownAt(rig.frmSplash, 20, 250);
  rig.scenario.MouseUpAt(rig.frmSplash, 20, 250);
  EXPECT_FALSE(rig.frmSplash.Loaded());
  EXPECT_TRUE(rig.WOB.Loaded());
}

TEST_F(SplashTest, TimerEndsWithTheSplash) {
  rig.scenario.Press('a', 'a');
  rig.scenario.Advance(10000);
  EXPECT_EQ(rig.frmSplash.SplashTicks, 0);
  EXPECT_TRUE(rig.WOB.Loaded());
}

TEST_F(SplashTest, VersionLabelReadsTheAppVersionAndKeepsItsRightEdge) {
  const auto& version = rig.frmSplash.Get<forms::Label>("lblVersion");
  EXPECT_EQ(version.Caption(), "Version 1.0.0");
  EXPECT_FLOAT_EQ(version.Left() + version.Width(), 5670 + 885);
  EXPECT_GT(version.Width(), 885) << "its width follows the longer text";
}

TEST_F(SplashTest, DesignTextsAndPlaces) {
  struct Expect {
    const char* name;
    const char* caption;
    float left, top, points;
  };
  const Expect labels[] = {{"lblCompanyProduct", "Wobbleton", 2280, 1080, 18},
                           {"lblProductName", "Playboard", 2280, 1560, 24}};
  for (const Expect& e : labels) {
    const auto& label = rig.frmSplash.Get<forms::Label>(e.name);
    EXPECT_EQ(label.Caption(), e.caption);
    EXPECT_FLOAT_EQ(label.Left(), e.left) << e.name;
    EXPECT_FLOAT_EQ(label.Top(), e.top) << e.name;
    EXPECT_FLOAT_EQ(label.FontSize(), e.points) << e.name;
  }
  const auto& logo = rig.frmSplash.Get<forms::Image>("imgLogo");
  ASSERT_NE(logo.Picture(), nullptr);
  EXPECT_GT(logo.Picture()->Width(), 0);
  EXPECT_EQ(rig.frmSplash.Width(), 7380);
  EXPECT_EQ(rig.frmSplash.Height(), 4245);
}

}  // namespace
}  // namespace shelltest
