// The accessibility flags' journal file: written, read back and removed.
#include "game/lockdown/hotkeys_journal.h"

#include <charconv>
#include <fstream>
#include <iterator>

namespace lockdown {

namespace {

constexpr const char* kFeatureNames[] = {"sticky", "filter", "toggle"};
static_assert(std::size(kFeatureNames) == kAccessFeatures.size());
constexpr std::uintmax_t kMostBytes = 256;  // a larger file is no journal of ours

std::optional<std::size_t> FeatureIndex(std::string_view name) {
  for (std::size_t i = 0; i < std::size(kFeatureNames); ++i) {
    if (name == kFeatureNames[i]) return i;
  }
  return std::nullopt;
}

std::optional<std::uint32_t> ParseFlags(std::string_view digits) {
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
    return std::nullopt;
  return value;
}

}  // namespace

std::string FormatJournal(const FeatureFlags& flags) {
  std::string text;
  for (std::size_t i = 0; i < flags.size(); ++i) {
    if (flags[i]) text += std::string(kFeatureNames[i]) + " " + std::to_string(*flags[i]) + "\n";
  }
  return text;
}

std::optional<FeatureFlags> ParseJournal(std::string_view text) {
  FeatureFlags flags;
  bool any = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) return std::nullopt;  // cut short
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    const std::size_t space = line.find(' ');
    const auto index = FeatureIndex(line.substr(0, space));
    if (space == std::string_view::npos || !index || flags[*index]) return std::nullopt;
    flags[*index] = ParseFlags(line.substr(space + 1));
    if (!flags[*index]) return std::nullopt;
    any = true;
  }
  if (!any) return std::nullopt;
  return flags;
}

void HotkeysJournal::Write(const FeatureFlags& flags) {
  std::error_code ignored;
  std::filesystem::create_directories(file_.parent_path(), ignored);
  std::ofstream(file_, std::ios::binary | std::ios::trunc) << FormatJournal(flags);
}

FeatureFlags HotkeysJournal::Take() {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file_, error);
  if (error) return {};
  std::string text;
  if (size <= kMostBytes) {
    std::ifstream file(file_, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  Remove();
  return ParseJournal(text).value_or(FeatureFlags{});
}

void HotkeysJournal::Remove() {
  std::error_code ignored;
  std::filesystem::remove(file_, ignored);
}

}  // namespace lockdown
