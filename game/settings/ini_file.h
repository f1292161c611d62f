// A small INI document that keeps its sections, keys and their order, so that a program can
// change its own keys and write the file back without losing anyone else's.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace settings {

class IniFile {
 public:
  // Null when the text is not an INI file: a line that is neither blank, a comment ("; " or
  // "#"), a "[section]" nor a "key=value" inside a section. Sections and keys ignore case.
  static std::optional<IniFile> Parse(std::string_view text);

  // The value of key in section, trimmed; null when absent.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Sets or adds key in section (the section is added at the end when absent).
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // The document with CRLF line ends on Windows' habit and plain LF elsewhere.
  std::string Text(std::string_view line_end) const;

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
  };
  Section* Find(std::string_view section);
  const Section* Find(std::string_view section) const;

  std::vector<Section> sections_;
};

}  // namespace settings
