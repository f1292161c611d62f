// Parsing and writing of the INI document: whole lines, trimmed, case-insensitive names.
#include "game/settings/ini_file.h"

#include <algorithm>
#include <cctype>

namespace settings {
namespace {

std::string_view Trim(std::string_view text) {
  const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && space(text.front())) text.remove_prefix(1);
  while (!text.empty() && space(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// A text with a NUL or another control character other than tab is no settings file.
bool IsText(std::string_view line) {
  return std::none_of(line.begin(), line.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r';
  });
}

}  // namespace

std::optional<IniFile> IniFile::Parse(std::string_view text) {
  IniFile ini;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    const std::string_view raw = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!IsText(raw)) return std::nullopt;
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[' && line.back() == ']' && line.size() > 2) {
      ini.sections_.push_back({std::string(Trim(line.substr(1, line.size() - 2))), {}});
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || equals == 0 || ini.sections_.empty()) {
      return std::nullopt;
    }
    ini.sections_.back().entries.emplace_back(std::string(Trim(line.substr(0, equals))),
                                              std::string(Trim(line.substr(equals + 1))));
  }
  return ini;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  const Section* found = Find(section);
  if (!found) return std::nullopt;
  for (const auto& [name, value] : found->entries) {
    if (SameName(name, key)) return value;
  }
  return std::nullopt;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  Section* found = Find(section);
  if (!found) {
    sections_.push_back({std::string(section), {}});
    found = &sections_.back();
  }
  for (auto& [name, old_value] : found->entries) {
    if (SameName(name, key)) {
      old_value = value;
      return;
    }
  }
  found->entries.emplace_back(std::string(key), std::string(value));
}

std::string IniFile::Text(std::string_view line_end) const {
  std::string text;
  for (const Section& section : sections_) {
    if (!text.empty()) text += line_end;
    text += "[" + section.name + "]";
    text += line_end;
    for (const auto& [name, value] : section.entries) {
      text += name + "=" + value;
      text += line_end;
    }
  }
  return text;
}

IniFile::Section* IniFile::Find(std::string_view section) {
  for (Section& candidate : sections_) {
    if (SameName(candidate.name, section)) return &candidate;
  }
  return nullptr;
}

const IniFile::Section* IniFile::Find(std::string_view section) const {
  return const_cast<IniFile*>(this)->Find(section);
}

}  // namespace settings
