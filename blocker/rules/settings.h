// Quietbox settings: the nine keys of Muzzle.ini, their defaults, and what the host makes of them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace blocker {

inline constexpr char kSettingsSection[] = "Config";
inline constexpr char kSettingsFileName[] = "Muzzle.ini";

enum class Setting {
  kKillWinKey,
  kKillCtrlEsc,
  kKillWinKeyCombos,
  kKillContextMenu,
  kKillAllSysKeys,
  kHideFromTaskList,
  kShutdownMessage,
  kShutDownWhenRunAgain,
  kIdlePriority,
};

struct SettingKey {
  Setting setting;
  const char* name;   // exactly as written to the file
  int default_value;  // what the host assumes when the key is missing
};

// In the settings dialog's box order; the host and the dialog share these defaults so that
// the dialog shows a missing key as the host would treat it.
inline constexpr std::array<SettingKey, 9> kSettingKeys = {{
    {Setting::kKillWinKey, "KillWinKey", 1},
    {Setting::kKillCtrlEsc, "KillCtrlEsc", 0},
    {Setting::kKillWinKeyCombos, "KillWinKeyCombos", 0},
    {Setting::kKillContextMenu, "KillContextMenu", 1},
    {Setting::kKillAllSysKeys, "KillAllSysKeys", 0},
    {Setting::kHideFromTaskList, "HideFromTaskList", 0},
    {Setting::kShutdownMessage, "ShutdownMessage", 0},
    {Setting::kShutDownWhenRunAgain, "ShutDownWhenRunAgain", 1},
    {Setting::kIdlePriority, "IdlePriority", 0},
}};

inline constexpr const SettingKey& KeyOf(Setting setting) {
  return kSettingKeys[static_cast<std::size_t>(setting)];
}

// Reads one setting through `read(name, default_value) -> int` (the private-profile reader).
template <class Read>
bool SettingOn(Read&& read, Setting setting) {
  const SettingKey& key = KeyOf(setting);
  return read(key.name, key.default_value) != 0;
}

// The Kill bit set, reading the four keys in their fixed order.
template <class Read>
std::uint32_t KillFlagsFromSettings(Read&& read) {
  std::uint32_t flags = 0;
  if (SettingOn(read, Setting::kKillWinKey)) flags |= 0x1;
  if (SettingOn(read, Setting::kKillCtrlEsc)) flags |= 0x2;
  if (SettingOn(read, Setting::kKillWinKeyCombos)) flags |= 0x4;
  if (SettingOn(read, Setting::kKillContextMenu)) flags |= 0x8;
  return flags;
}

// The host's settings file: its own full path with the file name's extension replaced by
// "ini" (".ini" appended when the name has none), so a renamed host reads a file of its name.
std::string HostSettingsPath(std::string_view module_path);

// The dialog's settings file: "Muzzle.ini" in the dialog program's own folder, whatever the
// program's file name.
std::string SetupSettingsPath(std::string_view module_path);

// The longest path the platform can give (in characters).
inline constexpr std::size_t kMaxModulePath = 32768;

// The module's full path from `fetch(buffer, size) -> length`, which behaves like
// GetModuleFileNameA: it returns `size` when the path was cut short, 0 on failure. The buffer
// grows until the whole path fits; an empty string means failure.
template <class Fetch>
std::string ReadModulePath(Fetch&& fetch) {
  std::string buffer(260, '\0');
  for (;;) {
    const std::size_t size = buffer.size();
    const std::size_t length = fetch(buffer.data(), size);
    if (length == 0) return {};
    if (length < size) {
      buffer.resize(length);
      return buffer;
    }
    if (size >= kMaxModulePath) return {};
    buffer.resize(size * 2);
  }
}

}  // namespace blocker
