// Tests of the settings defaults, the Kill bit set built from them and the settings file paths.
#include "settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace blocker {
namespace {

// A settings file as the private-profile reader sees it: missing keys give the default.
struct FakeFile {
  std::map<std::string, int> values;
  std::vector<std::string> reads;

  int operator()(const char* name, int default_value) {
    reads.push_back(name);
    auto it = values.find(name);
    return it == values.end() ? default_value : it->second;
  }
};

TEST(SettingKeys, TableIsInEnumOrderWithUniqueNames) {
  std::set<std::string> lower_names;
  for (std::size_t i = 0; i < kSettingKeys.size(); ++i) {
    EXPECT_EQ(static_cast<std::size_t>(kSettingKeys[i].setting), i);
    std::string lower = kSettingKeys[i].name;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    EXPECT_TRUE(lower_names.insert(lower).second) << "the reader ignores case: " << lower;
  }
}

TEST(SettingKeys, MissingFileGivesTheHostDefaults) {
  FakeFile empty;
  std::map<std::string, bool> on;
  for (const SettingKey& key : kSettingKeys) on[key.name] = SettingOn(empty, key.setting);
  const std::map<std::string, bool> expected = {
      {"KillWinKey", true},       {"KillCtrlEsc", false},         {"KillWinKeyCombos", false},
      {"KillContextMenu", true},  {"KillAllSysKeys", false},      {"HideFromTaskList", false},
      {"ShutdownMessage", false}, {"ShutDownWhenRunAgain", true}, {"IdlePriority", false},
  };
  EXPECT_EQ(on, expected);
}

TEST(KillFlagsFromSettings, BitSetFromFileContents) {
  struct Case {
    std::map<std::string, int> values;
    std::uint32_t flags;
  };
  const Case cases[] = {
      {{}, 0x9},
      {{{"KillWinKey", 0}, {"KillContextMenu", 0}}, 0x0},
      {{{"KillWinKey", 0}, {"KillCtrlEsc", 0}, {"KillWinKeyCombos", 0}, {"KillContextMenu", 0}},
       0x0},
      {{{"KillCtrlEsc", 1}}, 0xB},
      {{{"KillWinKeyCombos", 2}}, 0xD},
      {{{"KillWinKey", -1}, {"KillCtrlEsc", 7}, {"KillWinKeyCombos", 1}}, 0xF},
      {{{"KillWinKey", 0}, {"KillCtrlEsc", 1}, {"KillContextMenu", 0}}, 0x2},
      {{{"KillAllSysKeys", 1}, {"IdlePriority", 1}, {"ShutdownMessage", 1}}, 0x9},
  };
  for (const Case& c : cases) {
    FakeFile file{c.values, {}};
    EXPECT_EQ(KillFlagsFromSettings(file), c.flags);
    EXPECT_EQ(file.reads, (std::vector<std::string>{"KillWinKey", "KillCtrlEsc", "KillWinKeyCombos",
                                                    "KillContextMenu"}));
  }
}

TEST(SettingsPaths, HostAndDialogFindTheFileBesideThemselves) {
  struct Case {
    const char* module;
    const char* host;
    const char* setup;
  };
  const std::string long_folder = "C:\\" + std::string(300, 'd') + "\\";
  const Case cases[] = {
      {"C:\\Games\\Muzzle.exe", "C:\\Games\\Muzzle.ini", "C:\\Games\\Muzzle.ini"},
      {"C:\\Games\\Blocker.EXE", "C:\\Games\\Blocker.ini", "C:\\Games\\Muzzle.ini"},
      {"C:\\Games\\MuzCfg (2).exe", "C:\\Games\\MuzCfg (2).ini", "C:\\Games\\Muzzle.ini"},
      {"C:\\My.Games\\Muzzle", "C:\\My.Games\\Muzzle.ini", "C:\\My.Games\\Muzzle.ini"},
      {"C:\\Games\\Muzzle.x", "C:\\Games\\Muzzle.ini", "C:\\Games\\Muzzle.ini"},
      {"C:\\Games\\Mu.zz.le.exe", "C:\\Games\\Mu.zz.le.ini", "C:\\Games\\Muzzle.ini"},
      {"\\\\server\\share\\q\\M.exe", "\\\\server\\share\\q\\M.ini",
       "\\\\server\\share\\q\\Muzzle.ini"},
      {"/opt/wob/Muzzle.exe", "/opt/wob/Muzzle.ini", "/opt/wob/Muzzle.ini"},
      {"C:Muzzle.exe", "C:Muzzle.ini", "C:Muzzle.ini"},
      {"Muzzle.exe", "Muzzle.ini", "Muzzle.ini"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HostSettingsPath(c.module), c.host) << c.module;
    EXPECT_EQ(SetupSettingsPath(c.module), c.setup) << c.module;
  }
  EXPECT_EQ(HostSettingsPath(long_folder + "Muzzle.exe"), long_folder + "Muzzle.ini");
  EXPECT_EQ(SetupSettingsPath(long_folder + "MuzCfg.exe"), long_folder + "Muzzle.ini");
}

// Behaves like GetModuleFileNameA: copies what fits, returns the size when the path was cut.
struct FakeModule {
  std::string path;
  int calls = 0;

  std::size_t operator()(char* buffer, std::size_t size) {
    ++calls;
    if (path.empty()) return 0;
    if (path.size() >= size) {
      std::memcpy(buffer, path.data(), size - 1);
      buffer[size - 1] = '\0';
      return size;
    }
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return path.size();
  }
};

TEST(ReadModulePath, GrowsUntilTheWholePathFits) {
  for (std::size_t length : {1u, 10u, 259u, 260u, 261u, 519u, 520u, 600u, 5000u, 32767u}) {
    FakeModule module{"C:\\" + std::string(length - 1, 'p'), 0};
    module.path.back() = 'e';
    EXPECT_EQ(ReadModulePath(module), module.path) << length;
  }
}

TEST(ReadModulePath, FailureGivesAnEmptyPath) {
  FakeModule missing{"", 0};
  EXPECT_EQ(ReadModulePath(missing), "");
  EXPECT_EQ(missing.calls, 1);
  FakeModule endless{std::string(kMaxModulePath * 2, 'x'), 0};
  EXPECT_EQ(ReadModulePath(endless), "");
}

}  // namespace
}  // namespace blocker
