// The accessibility flags outlive a killed game only until its next start: the journal file
// written before the switch-off, removed by a normal end, given back and removed at the next
// start, ignored and removed when damaged.
#include "game/lockdown/hotkeys_journal.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "game/lockdown/headless/headless_keyboard_lock.h"

namespace lockdown {
namespace {

namespace fs = std::filesystem;

class HotkeysJournalTest : public testing::Test {
 protected:
  HotkeysJournalTest() {
    folder = fs::path(testing::TempDir()) / ("hotkeys_journal_" + std::to_string(getpid()));
    fs::remove_all(folder);
  }
  ~HotkeysJournalTest() override { fs::remove_all(folder); }

  fs::path File() const { return folder / "Wobbleton Playboard" / "accessibility-hotkeys.txt"; }

  fs::path folder;
  HeadlessAccessSettings settings;  // Windows' defaults: every hotkey on
  const std::map<AccessFeature, std::uint32_t> found = settings.flags;
};

// The game is killed while the menu is loaded: its next start finds the file and gives back
// what the parent had.
TEST_F(HotkeysJournalTest, AKilledGamesFlagsComeBackAtTheNextStart) {
  {
    HotkeysJournal journal(File());
    AccessibilityHotkeys hotkeys(&journal);
    hotkeys.SwitchOff(settings);
    ASSERT_NE(settings.flags, found);
    ASSERT_TRUE(fs::exists(File()));
  }  // killed: no restore
  HotkeysJournal journal(File());
  AccessibilityHotkeys next_start(&journal);
  next_start.RestoreAfterKilledGame(settings);
  EXPECT_EQ(settings.flags, found);
  EXPECT_FALSE(fs::exists(File()));
}

TEST_F(HotkeysJournalTest, ANormalEndRemovesTheFile) {
  HotkeysJournal journal(File());
  AccessibilityHotkeys hotkeys(&journal);
  hotkeys.SwitchOff(settings);
  hotkeys.Restore(settings);
  EXPECT_EQ(settings.flags, found);
  EXPECT_FALSE(fs::exists(File()));
  settings.writes = 0;
  hotkeys.RestoreAfterKilledGame(settings);
  EXPECT_EQ(settings.writes, 0) << "nothing left for the next start";
}

TEST_F(HotkeysJournalTest, ADamagedFileIsIgnoredAndRemoved) {
  const char* damaged[] = {
      "",
      "sticky 510",  // cut short
      "sticky abc\n",
      "sticky -1\n",
      "sticky 4294967296\n",     // past 32 bits
      "sticky 510\nsticky 2\n",  // twice
      "mouse 3\n",
      "sticky  510\n",
      "\x01\x02\xff\n",
  };
  for (const char* text : damaged) {
    SCOPED_TRACE(text);
    fs::create_directories(File().parent_path());
    std::ofstream(File(), std::ios::binary) << text;
    HotkeysJournal journal(File());
    AccessibilityHotkeys hotkeys(&journal);
    settings.writes = 0;
    hotkeys.RestoreAfterKilledGame(settings);
    EXPECT_EQ(settings.writes, 0);
    EXPECT_FALSE(fs::exists(File()));
  }
}

}  // namespace
}  // namespace lockdown
