// Tests of the hook decisions over every Kill bit set and every state of the keys they query.
#include "hook_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace blocker {
namespace {

// A keyboard state that records, in order, which keys were asked about.
struct FakeKeys {
  bool left_win = false;
  bool right_win = false;
  bool ctrl = false;
  bool esc = false;
  bool apps = false;
  std::vector<int> queried;

  bool operator()(int vk) {
    queried.push_back(vk);
    switch (vk) {
      case kVkLeftWin:
        return left_win;
      case kVkRightWin:
        return right_win;
      case kVkControl:
        return ctrl;
      case kVkEscape:
        return esc;
      case kVkApps:
        return apps;
      default:
        ADD_FAILURE() << "unexpected key query " << vk;
        return false;
    }
  }
  bool WinDown() const { return left_win || right_win; }
  bool CtrlEsc() const { return ctrl && esc; }
  std::string Describe() const {
    return "lwin=" + std::to_string(left_win) + " rwin=" + std::to_string(right_win) +
           " ctrl=" + std::to_string(ctrl) + " esc=" + std::to_string(esc) +
           " apps=" + std::to_string(apps);
  }
};

// Every combination of the five keys.
std::vector<FakeKeys> AllKeyStates() {
  std::vector<FakeKeys> states;
  for (int bits = 0; bits < 32; ++bits) {
    FakeKeys keys;
    keys.left_win = bits & 1;
    keys.right_win = bits & 2;
    keys.ctrl = bits & 4;
    keys.esc = bits & 8;
    keys.apps = bits & 16;
    states.push_back(keys);
  }
  return states;
}

// The task-list rule as the user sees it: 0x1 alone stops the Windows key but not Ctrl+Esc
// (even with a Windows key held), 0x2 alone only Ctrl+Esc, both stop both.
bool TaskListBlocked(std::uint32_t flags, const FakeKeys& keys) {
  switch (flags & 3) {
    case 1:
      return keys.WinDown() && !keys.CtrlEsc();
    case 2:
      return keys.CtrlEsc();
    case 3:
      return keys.WinDown() || keys.CtrlEsc();
    default:
      return false;
  }
}

// The expected order of queries: left Windows key, the right one only when the left is up,
// Ctrl, and Esc only when Ctrl is down.
std::vector<int> ShellQueryOrder(const FakeKeys& keys) {
  std::vector<int> order = {kVkLeftWin};
  if (!keys.left_win) order.push_back(kVkRightWin);
  order.push_back(kVkControl);
  if (keys.ctrl) order.push_back(kVkEscape);
  return order;
}

TEST(ShellRefuses, TaskListNoticeForEveryBitSetAndKeyState) {
  for (std::uint32_t flags = 0; flags < 16; ++flags) {
    for (FakeKeys keys : AllKeyStates()) {
      SCOPED_TRACE("flags=" + std::to_string(flags) + " " + keys.Describe());
      EXPECT_EQ(ShellRefuses(flags, kShellTaskList, keys), TaskListBlocked(flags, keys));
      EXPECT_EQ(keys.queried, ShellQueryOrder(keys));
    }
  }
}

TEST(ShellRefuses, BitsAboveTheFourAreIgnored) {
  for (std::uint32_t flags = 0; flags < 16; ++flags) {
    for (FakeKeys keys : AllKeyStates()) {
      EXPECT_EQ(ShellRefuses(flags | 0xFFFFFFF0u, kShellTaskList, keys),
                TaskListBlocked(flags, keys));
    }
  }
}

TEST(ShellRefuses, OtherNoticesPassWithoutQueryingKeys) {
  for (int code : {-1, 0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0x8007}) {
    FakeKeys keys{true, true, true, true, true, {}};
    EXPECT_FALSE(ShellRefuses(0xF, code, keys)) << code;
    EXPECT_TRUE(keys.queried.empty()) << code;
  }
}

struct MessageCase {
  const char* name;
  std::uint32_t message;
  std::uintptr_t wparam;
  std::intptr_t lparam;
};

// The message rules as the user sees them, for a message that is being removed.
bool MessageBlocked(std::uint32_t flags, const MessageCase& m, const FakeKeys& keys) {
  if (m.message == kMsgSysCommand && m.wparam == kSysCommandTaskList) {
    switch (flags & 3) {
      case 1:
        return !keys.CtrlEsc();
      case 2:
        return keys.CtrlEsc();
      case 3:
        return true;
      default:
        return false;
    }
  }
  if (m.message == kMsgContextMenu) return (flags & 8) && keys.apps;
  if (m.message == kMsgHotKey) return (flags & 4) && (m.lparam & 8);
  return false;
}

const MessageCase kMessages[] = {
    {"task list", 0x0112, 0xF130, 0},
    {"task list with position", 0x0112, 0xF130, 0x00640032},
    {"close command", 0x0112, 0xF060, 0},
    {"screen saver command", 0x0112, 0xF140, 0},
    {"task list plus low bits", 0x0112, 0xF132, 0},
    {"context menu", 0x007B, 0, 0},
    {"context menu at point", 0x007B, 0x1234, 0x00200010},
    {"hot key Win+E", 0x0312, 1, (0x45 << 16) | 0x8},
    {"hot key Win+Alt", 0x0312, 2, 0x9},
    {"hot key Ctrl+Alt", 0x0312, 3, 0x3},
    {"hot key no modifier", 0x0312, 4, 0},
    {"hot key Win in key word only", 0x0312, 5, 0x00080000},
    {"key down", 0x0100, kVkLeftWin, 0},
    {"null message", 0, 0, 0},
    {"paint", 0x000F, 0, 0},
};

TEST(MessageVoided, EveryMessageBitSetAndKeyState) {
  for (const MessageCase& m : kMessages) {
    for (std::uint32_t flags = 0; flags < 16; ++flags) {
      for (FakeKeys keys : AllKeyStates()) {
        SCOPED_TRACE(std::string(m.name) + " flags=" + std::to_string(flags) + " " +
                     keys.Describe());
        EXPECT_EQ(MessageVoided(flags, 0, true, m.message, m.wparam, m.lparam, keys),
                  MessageBlocked(flags, m, keys));
      }
    }
  }
}

TEST(MessageVoided, KeysAreQueriedOnlyWhenTheyDecide) {
  for (std::uint32_t flags = 0; flags < 16; ++flags) {
    for (FakeKeys keys : AllKeyStates()) {
      SCOPED_TRACE("flags=" + std::to_string(flags) + " " + keys.Describe());
      FakeKeys task = keys;
      MessageVoided(flags, 0, true, kMsgSysCommand, kSysCommandTaskList, 0, task);
      std::vector<int> expected;
      if ((flags & 3) == 1 || (flags & 3) == 2) {
        expected.push_back(kVkControl);
        if (keys.ctrl) expected.push_back(kVkEscape);
      }
      EXPECT_EQ(task.queried, expected);

      FakeKeys menu = keys;
      MessageVoided(flags, 0, true, kMsgContextMenu, 0, 0, menu);
      EXPECT_EQ(menu.queried, (flags & 8) ? std::vector<int>{kVkApps} : std::vector<int>{});

      FakeKeys hot = keys;
      MessageVoided(flags, 0, true, kMsgHotKey, 0, 8, hot);
      EXPECT_TRUE(hot.queried.empty());
    }
  }
}

TEST(MessageVoided, MessagesOnlyPeekedAtOrWithNegativeCodeAreLeftAlone) {
  struct Fetch {
    int code;
    bool removing;
  };
  for (Fetch fetch : {Fetch{0, false}, Fetch{-1, true}, Fetch{-1, false}, Fetch{-100, true}}) {
    for (const MessageCase& m : kMessages) {
      FakeKeys keys{true, true, false, false, true, {}};
      EXPECT_FALSE(
          MessageVoided(0xF, fetch.code, fetch.removing, m.message, m.wparam, m.lparam, keys))
          << m.name << " code " << fetch.code;
      EXPECT_TRUE(keys.queried.empty());
    }
  }
  FakeKeys keys;
  EXPECT_TRUE(MessageVoided(0x3, 1, true, kMsgSysCommand, kSysCommandTaskList, 0, keys));
}

TEST(AsyncKeyStateDown, OnlyTheHighBitMeansDown) {
  struct StateCase {
    const char* name;
    std::uint16_t state;
    bool down;
  };
  const StateCase cases[] = {
      {"up, not pressed since the last query", 0x0000, false},
      {"up, pressed since the last query", 0x0001, false},
      {"down", 0x8000, true},
      {"down, pressed since the last query", 0x8001, true},
      {"every bit but the high one", 0x7FFF, false},
      {"every bit", 0xFFFF, true},
  };
  for (const StateCase& c : cases) {
    EXPECT_EQ(AsyncKeyStateDown(static_cast<std::int16_t>(c.state)), c.down) << c.name;
  }
}

// The hooks' key query as the library makes it: a key released since it was last pressed answers
// with only the low bit, and must not keep voiding context menus.
TEST(AsyncKeyStateDown, ReleasedApplicationKeyVoidsNoContextMenu) {
  const auto query = [](std::int16_t apps_state) {
    return [apps_state](int vk) { return vk == kVkApps && AsyncKeyStateDown(apps_state); };
  };
  EXPECT_FALSE(MessageVoided(kKillContextMenu, 0, true, kMsgContextMenu, 0, 0, query(0x0001)));
  EXPECT_TRUE(MessageVoided(kKillContextMenu, 0, true, kMsgContextMenu, 0, 0,
                            query(static_cast<std::int16_t>(0x8000))));
}

TEST(KeystrokeSwallowed, EveryBitSetCodeAndKey) {
  const int codes[] = {-1, 0, 1, 2, 3, 4};
  const std::uintptr_t keys[] = {0x5B, 0x5C, 0x5D, 0x5E, 0x5A, 0x11, 0x12, 0x1B, 0x09, 0x41};
  for (std::uint32_t flags = 0; flags < 16; ++flags) {
    for (int code : codes) {
      for (std::uintptr_t vk : keys) {
        bool expected = false;
        if (code >= 0 && code != 3) {
          expected = ((vk == 0x5B || vk == 0x5C) && (flags & 4)) || (vk == 0x5D && (flags & 8));
        }
        EXPECT_EQ(KeystrokeSwallowed(flags, code, vk), expected)
            << "flags=" << flags << " code=" << code << " vk=" << vk;
      }
    }
  }
}

}  // namespace
}  // namespace blocker
