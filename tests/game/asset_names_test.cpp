// Asset names both ways: each one the code loads is generated, and each generated one is loaded.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/activity/screen_table.h"
#include "game/assets/asset_names.h"

namespace {

namespace fs = std::filesystem;

struct Literal {
  std::string text;   // escapes resolved: "\\letUp.jpg" in the source reads "\letUp.jpg"
  std::string where;  // file:line
};

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool NamesAnAssetKind(const std::string& text) {
  const std::string lower = Lower(text);
  return EndsWith(lower, ".jpg") || EndsWith(lower, ".ico") || EndsWith(lower, ".wav");
}

// The string literals of one C++ source, outside comments and character literals.
std::vector<Literal> StringLiterals(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string src((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<Literal> found;
  int line = 1;
  for (std::size_t i = 0; i < src.size(); ++i) {
    const char c = src[i];
    const char next = i + 1 < src.size() ? src[i + 1] : '\0';
    if (c == '\n') {
      ++line;
    } else if (c == '/' && next == '/') {
      while (i < src.size() && src[i] != '\n') ++i;
      --i;
    } else if (c == '/' && next == '*') {
      for (i += 2; i + 1 < src.size() && !(src[i] == '*' && src[i + 1] == '/'); ++i) {
        if (src[i] == '\n') ++line;
      }
      ++i;
    } else if (c == '"' || c == '\'') {
      std::string text;
      for (++i; i < src.size() && src[i] != c && src[i] != '\n'; ++i) {
        if (src[i] == '\\' && i + 1 < src.size()) ++i;  // "\\" and "\"" stand for one char
        text += src[i];
      }
      if (c == '"') found.push_back({text, file.filename().string() + ":" + std::to_string(line)});
    }
  }
  return found;
}

// The game's sources, without the generator's folder, which names the files it writes.
std::vector<Literal> AssetLiteralsOfTheGame() {
  const fs::path game = WOB_GAME_SOURCE_DIR;
  std::vector<Literal> literals;
  for (const auto& entry : fs::recursive_directory_iterator(game)) {
    const fs::path& path = entry.path();
    if (path.lexically_relative(game).begin()->string() == "assets") continue;
    if (path.extension() != ".cpp" && path.extension() != ".h") continue;
    for (Literal& literal : StringLiterals(path)) {
      if (NamesAnAssetKind(literal.text)) literals.push_back(std::move(literal));
    }
  }
  return literals;
}

// Names the code builds at run time, from the pieces its literals hold. A new piece in the code
// fails the test until the names built from it are listed here.
const std::map<std::string, std::string> kPieces = {
    {".ico", "the cursors \\1.ico to \\10.ico, from a random number"},
    {".jpg", "the letters \\A.jpg to \\Z.jpg, from the typed character"},
    {"Bounce.jpg", "the digits \\1Bounce.jpg to \\6Bounce.jpg, from the typed character"},
    {".wav", "the voice clips voices\\<code>\\<name>.wav, checked by the voice clips' own test"},
};

std::vector<std::string> BuiltNames() {
  std::vector<std::string> names;
  for (int n = 1; n <= 10; ++n) names.push_back("\\" + std::to_string(n) + ".ico");
  for (int ch = 0; ch < 256; ++ch) {
    for (const auto* table : {&activity::kLetters, &activity::kNumbers, &activity::kShapes}) {
      const std::string name = activity::PictureForKey(*table, ch);
      if (!name.empty()) names.push_back(name);
    }
  }
  return names;
}

std::set<std::string> GeneratedNames() {
  std::set<std::string> names;
  for (const char* name : assets::kAssetNames) names.insert(Lower(name));
  return names;
}

// Every file name the code loads, lower-cased and without the leading backslash.
std::set<std::string> UsedNames() {
  std::set<std::string> used;
  for (const Literal& literal : AssetLiteralsOfTheGame()) {
    if (literal.text.front() == '\\') used.insert(Lower(literal.text.substr(1)));
  }
  for (const std::string& name : BuiltNames()) used.insert(Lower(name.substr(1)));
  return used;
}

TEST(AssetNames, TheScanFindsTheNamesAsTheScreensSpellThem) {
  std::set<std::string> texts;
  for (const Literal& literal : AssetLiteralsOfTheGame()) texts.insert(literal.text);
  // One name of each screen and kind: if these go missing, the scan reads nothing.
  for (const char* name : {"\\letUp.jpg", "\\abcd-down.jpg", "\\6Bounce.jpg", "\\firework2.jpg",
                           "\\fire1.wav", "\\YellowSqu.jpg", "\\paintbrush.ico"}) {
    EXPECT_EQ(texts.count(name), 1u) << name;
  }
  // Comments name files too, as "\A.jpg" with one backslash; they are not code.
  EXPECT_EQ(texts.count("A.jpg"), 0u);
  EXPECT_GT(UsedNames().size(), 90u);
}

TEST(AssetNames, EveryNameTheCodeUsesIsGenerated) {
  const std::set<std::string> generated = GeneratedNames();
  for (const Literal& literal : AssetLiteralsOfTheGame()) {
    if (literal.text.front() == '\\') {
      EXPECT_EQ(generated.count(Lower(literal.text.substr(1))), 1u)
          << literal.where << ": " << literal.text << " is not written by the generator";
    } else {
      EXPECT_EQ(kPieces.count(literal.text), 1u)
          << literal.where << ": \"" << literal.text
          << "\" builds names at run time; list the names it builds in BuiltNames";
    }
  }
  for (const std::string& name : BuiltNames()) {
    EXPECT_EQ(generated.count(Lower(name.substr(1))), 1u)
        << name << " is built by the code but not written by the generator";
  }
}

TEST(AssetNames, EveryGeneratedNameIsUsed) {
  const std::set<std::string> used = UsedNames();
  for (const char* name : assets::kAssetNames) {
    EXPECT_EQ(used.count(Lower(name)), 1u) << name << " is generated but the game never loads it";
  }
}

TEST(AssetNames, GeneratedNamesDifferEvenIgnoringCase) {
  EXPECT_EQ(GeneratedNames().size(), std::size(assets::kAssetNames));
}

}  // namespace
