// The main menu WOB on the headless platform: layout, picture buttons, parent keys, random screens.
#include <gtest/gtest.h>

#include <map>

#include "tests/shell/menu_rig.h"

namespace shelltest {
namespace {

const std::vector<std::uint32_t>& PixelsOf(const forms::Image& image) {
  return image.Picture()->Pixels();
}

std::vector<std::uint32_t> AssetPixels(const std::string& file) {
  return forms::LoadPicture(wobtest::AppDir() + "\\" + file)->Pixels();
}

struct Box {
  const char* name;
  float left, top, width, height;
};

struct LayoutCase {
  int width_px, height_px;
  std::vector<Box> boxes;  // twips, as the display holds them (whole pixels of 15 twips)
  float label_points;
};

// 1024 x 768 is the worked example: ButtonHeight 4635.245, ButtonWidth 7380, labels 724.75
// high; each value lands on the nearest whole pixel.
const LayoutCase kLayouts[] = {
    {1024,
     768,
     {{"cmdShapes", 240, 240, 7380, 4635},
      {"cmdNumbers", 7785, 240, 7380, 4635},
      {"cmdLetters", 240, 5040, 7380, 4635},
      {"cmdColors", 7785, 5040, 7380, 4635},
      {"Label1", 195, 9870, 14955, 720},
      {"Label2", 120, 10590, 14955, 720}},
     14.85f},
    {1920,
     1080,
     {{"cmdShapes", 240, 240, 14100, 6660},
      {"cmdNumbers", 14505, 240, 14100, 6660},
      {"cmdLetters", 240, 7065, 14100, 6660},
      {"cmdColors", 14505, 7065, 14100, 6660},
      {"Label1", 195, 13920, 28395, 1035},
      {"Label2", 120, 14955, 28395, 1035}},
     21.346875f},
    // 5K at 96 DPI: 76,800 twips wide, past what a 16-bit width could hold.
    {5120,
     2880,
     {{"cmdShapes", 240, 240, 38100, 18330},
      {"cmdNumbers", 38505, 240, 38100, 18330},
      {"cmdLetters", 240, 18735, 38100, 18330},
      {"cmdColors", 38505, 18735, 38100, 18330},
      {"Label1", 195, 37260, 76395, 2865},
      {"Label2", 120, 40125, 76395, 2865}},
     59.090625f},
};

TEST(MenuLayout, FillsTheDisplayOnWholePixels) {
  for (const LayoutCase& c : kLayouts) {
    MenuRig rig(c.width_px, c.height_px);
    rig.scenario.Start(rig.WOB);
    ASSERT_FALSE(rig.scenario.Finished()) << c.width_px;
    EXPECT_TRUE(rig.WOB.Visible());
    for (const Box& box : c.boxes) {
      const auto& control = *rig.WOB.Find(box.name);
      EXPECT_FLOAT_EQ(control.Left(), box.left) << c.width_px << " " << box.name;
      EXPECT_FLOAT_EQ(control.Top(), box.top) << c.width_px << " " << box.name;
      EXPECT_FLOAT_EQ(control.Width(), box.width) << c.width_px << " " << box.name;
      EXPECT_FLOAT_EQ(control.Height(), box.height) << c.width_px << " " << box.name;
    }
    for (const char* label : {"Label1", "Label2"}) {
      EXPECT_FLOAT_EQ(rig.WOB.Get<forms::Label>(label).FontSize(), c.label_points) << label;
    }
  }
}

TEST(MenuLayout, WorkedExampleKeepsItsUnroundedState) {
  MenuRig rig;
  rig.scenario.Start(rig.WOB);
  EXPECT_NEAR(rig.WOB.ButtonHeight, 4635.2451708766, 1e-6);
  EXPECT_EQ(rig.WOB.ButtonWidth, 7380);
}

TEST(MenuLayout, TinyDisplayKeepsTheDesignLayout) {
  MenuRig rig(30, 40);  // 450 x 600 twips: no room for the margins
  rig.scenario.Start(rig.WOB);
  EXPECT_FALSE(rig.scenario.Finished());
  EXPECT_FLOAT_EQ(rig.WOB.Get<forms::Image>("cmdColors").Left(), 2160);
  rig.scenario.Press(0x41, 'a');
  EXPECT_NE(rig.OpenScreen(), nullptr);
}

TEST(MenuLayout, RepeatedResizesKeepTheFontSizes) {
  MenuRig rig;
  rig.scenario.Start(rig.WOB);
  auto& label1 = rig.WOB.Get<forms::Label>("Label1");
  auto& label2 = rig.WOB.Get<forms::Label>("Label2");
  for (int i = 0; i < 3; ++i) {
    rig.WOB.Form_Resize();  // the same size again
    EXPECT_FLOAT_EQ(label1.FontSize(), 14.85f) << i;
    EXPECT_FLOAT_EQ(label2.FontSize(), 14.85f) << i;
  }
  rig.ResizeMenu(1920, 1080);
  EXPECT_FLOAT_EQ(label1.FontSize(), 21.346875f);
  EXPECT_FLOAT_EQ(rig.WOB.Get<forms::Image>("cmdColors").Left(), 14505);
  rig.ResizeMenu(1024, 768);
  EXPECT_FLOAT_EQ(label1.FontSize(), 14.85f);
  EXPECT_FLOAT_EQ(label2.FontSize(), 14.85f);
  EXPECT_FLOAT_EQ(label2.Top(), 10590);
  EXPECT_TRUE(rig.WOB.Visible());
}

TEST(MenuDesign, CaptionsAndLoadedPictures) {
  MenuRig rig;
  rig.scenario.Start(rig.WOB);
  EXPECT_EQ(rig.WOB.Caption(), "Kinderkit");
  EXPECT_EQ(rig.WOB.Get<forms::Label>("Label1").Caption(), "To Exit Press [Ctrl-Alt-T]");
  EXPECT_EQ(rig.WOB.Get<forms::Label>("Label2").Caption(), "ToToggle Sound Press [Ctrl-Alt-S]");
  EXPECT_TRUE(rig.WOB.KeyPreview());
  const std::map<std::string, std::string> up = {{"cmdLetters", "letUp.jpg"},
                                                 {"cmdNumbers", "numUp.jpg"},
                                                 {"cmdShapes", "shaUp.jpg"},
                                                 {"cmdColors", "colUp.jpg"}};
  for (const auto& [button, file] : up) {
    EXPECT_EQ(PixelsOf(rig.WOB.Get<forms::Image>(button)), AssetPixels(file)) << button;
  }
}

struct ButtonCase {
  const char* button;
  const char* down;
  const char* up;
  int screen;  // in MenuRig::Screens(): letters, numbers, shapes, paint
};

const ButtonCase kButtons[] = {
    {"cmdLetters", "letDown.jpg", "letUp.jpg", 0},
    {"cmdNumbers", "numDown.jpg", "numUp.jpg", 1},
    {"cmdShapes", "shaDown.jpg", "shaUp.jpg", 2},
    {"cmdColors", "colDown.jpg", "colUp.jpg", 3},
};

TEST(MenuButtons, DownPictureWhileHeldScreenOnRelease) {
  MenuRig rig;
  rig.scenario.Start(rig.WOB);
  for (const ButtonCase& c : kButtons) {
    auto& button = rig.WOB.Get<forms::Image>(c.button);
    StubScreen& screen = *rig.Screens()[c.screen];
    for (int mouse_button : {1, 2, 4}) {
      rig.scenario.MouseDown(button, mouse_button, 7);
      rig.scenario.Advance(2000);
      EXPECT_EQ(PixelsOf(button), AssetPixels(c.down)) << c.button;
      EXPECT_FALSE(screen.Loaded()) << c.button << " opens only on release";
      rig.scenario.MouseUp(button, mouse_button, 7);
      EXPECT_EQ(PixelsOf(button), AssetPixels(c.up)) << c.button;
      ASSERT_TRUE(screen.Loaded()) << c.button;
      EXPECT_EQ(rig.OpenScreen(), &screen);
      rig.CloseScreen();
      EXPECT_EQ(rig.OpenScreen(), nullptr);
      EXPECT_TRUE(rig.WOB.Loaded());
    }
  }
}

TEST(MenuButtons, MenuGetsNoInputWhileAScreenIsOpen) {
  MenuRig rig;
  rig.scenario.Start(rig.WOB);
  rig.scenario.Click(rig.WOB.Get<forms::Image>("cmdLetters"));
  rig.scenario.KeyDown(kKeyT, kCtrlAlt);  // Ctrl+Alt+T on a screen does not end the game
  rig.scenario.KeyUp(kKeyT, kCtrlAlt);
  rig.scenario.Press('B', 'b');
  EXPECT_EQ(rig.frmLetters.loads, 1);
  EXPECT_FALSE(rig.scenario.Finished());
  rig.CloseScreen();
  EXPECT_EQ(rig.OpenScreen(), nullptr);
}

struct ShiftCase {
  int key, shift;
  bool ends, flips_sound;
};

TEST(MenuKeys, OnlyCtrlAltExactlyCounts) {
  const ShiftCase cases[] = {
      {kKeyT, 6, true, false},  {kKeyT, 7, false, false}, {kKeyT, 2, false, false},
      {kKeyT, 4, false, false}, {kKeyT, 0, false, false}, {kKeyT, 3, false, false},
      {kKeyT, 5, false, false}, {kKeyS, 6, false, true},  {kKeyS, 7, false, false},
      {kKeyS, 2, false, false}, {kKeyS, 4, false, false}, {kKeyS, 1, false, false},
      {0x51, 6, false, false},  {0x1B, 6, false, false},
  };
  for (const ShiftCase& c : cases) {
    MenuRig rig;
    rig.scenario.Start(rig.WOB);
    rig.scenario.KeyDown(c.key, c.shift);
    rig.scenario.KeyUp(c.key, c.shift);
    EXPECT_EQ(rig.scenario.Finished(), c.ends) << c.key << " shift " << c.shift;
    EXPECT_EQ(rig.state.SoundSwitch, !c.flips_sound) << c.key << " shift " << c.shift;
    EXPECT_EQ(rig.OpenScreen(), nullptr) << c.key << " shift " << c.shift;
  }
}

TEST(MenuKeys, CtrlAltTEndsTheGameAndRemovesTheHook) {
  MenuRig rig;
  rig.scenario.Start(rig.WOB);
  const auto hook = rig.WOB.KeyboardHook;
  EXPECT_NE(hook, 0);
  rig.scenario.KeyDown(kKeyT, kCtrlAlt);
  ASSERT_TRUE(rig.scenario.Finished());
  EXPECT_EQ(rig.scenario.ExitCode(), 0);
  EXPECT_FALSE(rig.WOB.Loaded());
  const auto& lockdown = rig.scenario.Keyboard();
  ASSERT_EQ(lockdown.hook_removals.size(), 1u);
  EXPECT_EQ(lockdown.hook_removals[0], hook);
}

TEST(MenuKeys, SoundSwitchAcrossScreens) {
  MenuRig rig;
  rig.scenario.Start(rig.WOB);
  EXPECT_TRUE(rig.state.SoundSwitch);
  rig.scenario.KeyDown(kKeyS, kCtrlAlt);
  EXPECT_FALSE(rig.state.SoundSwitch);
  rig.scenario.Click(rig.WOB.Get<forms::Image>("cmdNumbers"));
  EXPECT_FALSE(rig.state.SoundSwitch) << "opening a screen keeps the switch";
  rig.scenario.KeyDown(kKeyS, kCtrlAlt);
  EXPECT_TRUE(rig.state.SoundSwitch);
  rig.CloseScreen();
  EXPECT_TRUE(rig.state.SoundSwitch);
  rig.scenario.KeyDown(kKeyS, kCtrlAlt);
  rig.scenario.KeyDown(kKeyS, kCtrlAlt);
  EXPECT_TRUE(rig.state.SoundSwitch) << "twice leaves it as it was";
}

TEST(MenuKeys, CharacterKeysOpenEveryScreenAtRandom) {
  MenuRig rig;
  rig.scenario.Start(rig.WOB);
  std::map<std::string, int> opened;
  for (int i = 0; i < 80; ++i) {
    rig.scenario.Advance(1000 + 37 * i);  // a fresh reseed for every press
    rig.scenario.Press('A' + i % 26, 'a' + i % 26);
    StubScreen* screen = rig.OpenScreen();
    ASSERT_NE(screen, nullptr) << i;
    ++opened[screen->Name()];
    rig.CloseScreen();
  }
  EXPECT_EQ(opened.size(), 4u);
  for (const auto& [name, count] : opened) EXPECT_GE(count, 5) << name;
}

TEST(MenuKeys, KeysWithoutACharacterOpenNothing) {
  MenuRig rig;
  rig.scenario.Start(rig.WOB);
  for (int vk : {0x25, 0x26, 0x27, 0x28, 0x70, 0x7B, 0x10, 0x11, 0x12, 0x5B}) {
    rig.scenario.Press(vk, 0);
  }
  EXPECT_EQ(rig.OpenScreen(), nullptr);
}

TEST(MenuLoad, RandomCursorFromTheTenFiles) {
  MenuRig rig;
  rig.scenario.Start(rig.WOB);
  EXPECT_EQ(rig.WOB.MousePointer(), forms::kPointerCustom);
  ASSERT_NE(rig.WOB.MouseIcon(), nullptr);
  bool matches_a_file = false;
  for (int n = 1; n <= 10; ++n) {
    matches_a_file |= rig.WOB.MouseIcon()->Pixels() == AssetPixels(std::to_string(n) + ".ico");
  }
  EXPECT_TRUE(matches_a_file);
}

}  // namespace
}  // namespace shelltest

namespace shelltest {
namespace {

// Two displays: the splash covers nothing, the menu and its screens cover the second one with
// the same cover, and Ctrl+Alt+T takes it away with the menu.
TEST(MenuCovers, TheSecondDisplayIsCoveredFromTheMenuToItsEnd) {
  MenuRig rig;
  rig.scenario.Platform().other_displays = {{1024, 0, 1920, 1080}};
  rig.scenario.Start(rig.frmSplash);
  EXPECT_TRUE(rig.scenario.App().CoverWindows().empty());
  rig.scenario.Press(' ', ' ');
  ASSERT_TRUE(rig.WOB.Loaded());
  ASSERT_EQ(rig.scenario.App().CoverWindows().size(), 1u);
  const forms::WindowId cover = rig.scenario.App().CoverWindows()[0];
  EXPECT_EQ(rig.scenario.Platform().Window(cover)->spec.place.x, 1024);
  rig.scenario.Click(rig.WOB.Get<forms::Image>("cmdLetters"));
  ASSERT_EQ(rig.OpenScreen(), &rig.frmLetters);
  EXPECT_EQ(rig.scenario.App().CoverWindows(), std::vector<forms::WindowId>{cover});
  rig.CloseScreen();
  rig.scenario.KeyDown(kKeyT, kCtrlAlt);
  EXPECT_TRUE(rig.scenario.Finished());
  EXPECT_FALSE(rig.scenario.Platform().Window(cover)->alive);
}

}  // namespace
}  // namespace shelltest
