// Reading and writing the last game's figures.
#include "game/settings/last_game.h"

#include <charconv>
#include <string>

namespace settings {
namespace {

std::optional<std::int64_t> ReadCount(const IniFile& ini, const char* key) {
  const auto value = ini.Get(kLastGameSection, key);
  if (!value) return std::nullopt;
  std::int64_t number = -1;
  const char* end = value->data() + value->size();
  const auto [stop, error] = std::from_chars(value->data(), end, number);
  if (error != std::errc() || stop != end || number < 0) return std::nullopt;
  return number;
}

}  // namespace

std::optional<LastGame> LastGameFromIni(const IniFile& ini) {
  LastGame last_game;
  const auto seconds = ReadCount(ini, "Seconds");
  if (!seconds) return std::nullopt;
  last_game.seconds = *seconds;
  for (std::size_t kind = 0; kind < kHeldBackKeys.size(); ++kind) {
    const auto count = ReadCount(ini, kHeldBackKeys[kind]);
    if (!count || *count > INT32_MAX) return std::nullopt;
    last_game.held_back[kind] = static_cast<int>(*count);
  }
  return last_game;
}

void ToIni(const LastGame& last_game, IniFile& ini) {
  ini.Set(kLastGameSection, "Seconds", std::to_string(last_game.seconds));
  for (std::size_t kind = 0; kind < kHeldBackKeys.size(); ++kind) {
    ini.Set(kLastGameSection, kHeldBackKeys[kind], std::to_string(last_game.held_back[kind]));
  }
}

}  // namespace settings
