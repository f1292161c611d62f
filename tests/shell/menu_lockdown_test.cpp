// Nothing of the lockdown outlives the game: the exit key, the unload and an untrapped error all
// give back the hook, the accessibility hotkeys and the companion this run started.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "tests/shell/menu_rig.h"

namespace shelltest {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kHotkeyBits = lockdown::kHotkeyActive | lockdown::kConfirmHotkey;

// A Windows-like rig: the companion file beside the game, whose start opens the companion's
// window and whose second start, waited for, closes it.
struct CompanionRig : MenuRig {
  CompanionRig() : MenuRig(1024, 768, Companion::kBeside) {
    dir = wobtest::CopyAppDir();
    std::ofstream(fs::path(dir) / "Muzzle.exe") << "companion";
    auto& system = scenario.Companion();
    system.on_program_run = [&system](const std::string&) {
      auto& classes = system.window_classes;
      classes.erase(std::remove(classes.begin(), classes.end(), "MuzzleFrame"), classes.end());
    };
  }
  // The companion's window is there from the start: the one the load starts, or one that ran.
  void RunToMenu() {
    scenario.Platform().app_folder = dir;
    System().window_classes = {"MuzzleFrame"};
    scenario.Start(frmSplash);
    scenario.Advance(5000);
  }
  lockdown::HeadlessCompanion& System() { return scenario.Companion(); }
  lockdown::HeadlessKeyboardLock& Keyboard() { return scenario.Keyboard(); }
  std::size_t StopStarts() {
    const auto& starts = System().started_programs;
    return static_cast<std::size_t>(
        std::count_if(starts.begin(), starts.end(), [](const auto& s) { return s.waited; }));
  }
  bool HotkeysOff() {
    const auto& flags = Keyboard().access.flags;
    return std::all_of(flags.begin(), flags.end(),
                       [](const auto& f) { return (f.second & kHotkeyBits) == 0; });
  }

  std::string dir;
  const std::map<lockdown::AccessFeature, std::uint32_t> found = scenario.Keyboard().access.flags;
};

TEST(MenuLockdown, HotkeysOffWhileTheMenuIsLoadedAndBackAtCtrlAltT) {
  CompanionRig rig;
  rig.RunToMenu();
  ASSERT_TRUE(rig.WOB.Loaded());
  EXPECT_TRUE(rig.HotkeysOff());
  rig.scenario.Click(rig.WOB.Get<forms::Image>("cmdNumbers"));
  EXPECT_TRUE(rig.HotkeysOff()) << "a screen over the menu keeps them off";
  rig.CloseScreen();
  rig.scenario.KeyDown(kKeyT, kCtrlAlt);
  ASSERT_TRUE(rig.scenario.Finished());
  EXPECT_EQ(rig.scenario.ExitCode(), 0);
  EXPECT_EQ(rig.Keyboard().access.flags, rig.found);
  EXPECT_EQ(rig.StopStarts(), 1u);
  EXPECT_TRUE(rig.System().window_classes.empty());
}

// Wine stores none of the settings: the game runs and ends all the same.
TEST(MenuLockdown, FailingAccessibilityCallsChangeNothing) {
  CompanionRig rig;
  rig.Keyboard().access.calls_fail = true;
  rig.RunToMenu();
  ASSERT_TRUE(rig.WOB.Loaded());
  rig.scenario.KeyDown(kKeyT, kCtrlAlt);
  EXPECT_EQ(rig.scenario.ExitCode(), 0);
  EXPECT_EQ(rig.Keyboard().access.writes, 0);
}

// The error comes after the companion started and, for the press, after the hook and the
// hotkeys: each gives back what was taken by then, once.
TEST(MenuLockdown, UntrappedErrorGivesBackEverythingTaken) {
  struct ErrorCase {
    const char* name;
    const char* removed_file;
    bool press;        // the error comes at a button press, on the loaded menu
    bool was_running;  // the companion ran before the game
  };
  const ErrorCase cases[] = {
      {"menu picture at load", "ColUp.jpg", false, false},
      {"cursors at load", "*.ico", false, false},
      {"down picture at a press", "numDown.jpg", true, false},
      {"down picture, companion not ours", "numDown.jpg", true, true},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.name);
    CompanionRig rig;
    if (c.was_running) {
      rig.System().processes = std::vector<std::string>{"Muzzle.exe"};
    }
    for (const auto& entry : fs::directory_iterator(rig.dir)) {
      const std::string name = entry.path().filename().string();
      const bool icon = name.size() > 4 && name.substr(name.size() - 4) == ".ico";
      if (name == c.removed_file || (icon && std::string(c.removed_file) == "*.ico")) {
        fs::remove(entry.path());
      }
    }
    rig.RunToMenu();
    if (c.press) {
      ASSERT_TRUE(rig.WOB.Loaded());
      EXPECT_TRUE(rig.HotkeysOff());
      rig.scenario.MouseDown(rig.WOB.Get<forms::Image>("cmdNumbers"));
    }
    ASSERT_TRUE(rig.scenario.Finished());
    EXPECT_EQ(rig.scenario.ExitCode(), 1);
    EXPECT_EQ(rig.scenario.Platform().message_boxes.size(), 1u);
    EXPECT_EQ(rig.Keyboard().access.flags, rig.found);
    EXPECT_EQ(rig.Keyboard().hook_removals, rig.Keyboard().hook_installs);
    EXPECT_EQ(rig.StopStarts(), c.was_running ? 0u : 1u);
    EXPECT_EQ(rig.System().window_classes.empty(), !c.was_running);
  }
}

// Ctrl+Alt+T with the companion file gone: the window is closed, the file reported, and the
// error path neither closes nor starts anything more.
TEST(MenuLockdown, CompanionFileGoneAtCtrlAltT) {
  for (int shut_down_when_run_again : {1, 0}) {
    SCOPED_TRACE(shut_down_when_run_again);
    CompanionRig rig;
    rig.System().settings[rig.dir + "\\Muzzle.ini|Config|ShutDownWhenRunAgain"] =
        shut_down_when_run_again;
    rig.RunToMenu();
    fs::remove(fs::path(rig.dir) / "Muzzle.exe");
    rig.scenario.KeyDown(kKeyT, kCtrlAlt);
    ASSERT_TRUE(rig.scenario.Finished());
    EXPECT_EQ(rig.scenario.ExitCode(), 1);
    EXPECT_EQ(rig.System().closed_window_classes.size(), shut_down_when_run_again != 0 ? 1u : 0u);
    EXPECT_EQ(rig.StopStarts(), 0u);
    EXPECT_EQ(rig.Keyboard().hook_removals, rig.Keyboard().hook_installs);
    EXPECT_EQ(rig.Keyboard().access.flags, rig.found);
  }
}

// Windows makes every key of the desktop wait while a thread with a low-level hook waits without
// pumping messages: no wait on the companion comes between the lock and the unlock, on every
// way through the game.
TEST(MenuLockdown, NoWaitOnTheCompanionWhileTheKeyboardIsLocked) {
  struct OrderCase {
    const char* name;
    const char* removed_file;  // "" for none
    bool press;                // a button press after the menu came up
    const char* calls;
  };
  const OrderCase cases[] = {
      {"load, then Ctrl+Alt+T", "", false, "start lock unlock start+wait"},
      {"error at a press", "numDown.jpg", true, "start lock unlock start+wait"},
      {"error at load", "ColUp.jpg", false, "start start+wait"},
  };
  for (const OrderCase& c : cases) {
    SCOPED_TRACE(c.name);
    CompanionRig rig;
    if (*c.removed_file != '\0') fs::remove(fs::path(rig.dir) / c.removed_file);
    rig.RunToMenu();
    if (c.press) rig.scenario.MouseDown(rig.WOB.Get<forms::Image>("cmdNumbers"));
    if (!rig.scenario.Finished()) rig.scenario.KeyDown(kKeyT, kCtrlAlt);
    ASSERT_TRUE(rig.scenario.Finished());
    std::string calls;
    for (const std::string& call : rig.scenario.LockdownCalls())
      calls += (calls.empty() ? "" : " ") + call;
    EXPECT_EQ(calls, c.calls);
  }
}

}  // namespace
}  // namespace shelltest
