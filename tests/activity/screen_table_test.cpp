// The screens' tables: which keys name a picture, and that every picker spawns what its face shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "game/activity/screen_table.h"
#include "game/forms/picture.h"
#include "tests/activity/activity_fixture.h"

namespace activity_test {
namespace {

using activity::kLetters;
using activity::kNumbers;
using activity::kShapes;

TEST(PictureForKey, NamesPicturesByScreen) {
  struct Case {
    const activity::ScreenTable* table;
    int character;
    std::string picture;
  };
  const Case cases[] = {
      {&kLetters, 'a', "\\A.jpg"},
      {&kLetters, 'A', "\\A.jpg"},
      {&kLetters, 'z', "\\Z.jpg"},
      {&kLetters, 'Q', "\\Q.jpg"},
      {&kLetters, '1', ""},
      {&kLetters, ' ', ""},
      {&kLetters, 13, ""},
      {&kLetters, '@', ""},
      {&kLetters, '[', ""},
      {&kLetters, 0xE9, ""},
      {&kLetters, -1, ""},
      {&kLetters, 'a' + 256, ""},
      {&kNumbers, '1', "\\1Bounce.jpg"},
      {&kNumbers, '6', "\\6Bounce.jpg"},
      {&kNumbers, '7', ""},
      {&kNumbers, '0', ""},
      {&kNumbers, 'a', ""},
      {&kShapes, 'a', ""},
      {&kShapes, '1', ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(activity::PictureForKey(*c.table, c.character), c.picture)
        << c.table->form_name << " character " << c.character;
  }
}

// A picker's face shows its group: "\abcd-Up.jpg" spawns A to D, "\1Up.jpg" the digit 1,
// "\triUp.jpg" the triangle. Checked through the letters of the face's file name.
TEST(ScreenTables, EveryPickerSpawnsWhatItsFaceShows) {
  for (const auto* table : {&kLetters, &kNumbers, &kShapes}) {
    for (int i = 0; i < activity::kPickerCount; ++i) {
      const std::string face = table->faces[i].up;
      const std::string stem = face.substr(1, face.find_first_of("-U") - 1);
      const auto& pictures = table->groups[activity::kPickers[i].group];
      ASSERT_FALSE(pictures.empty());
      if (table == &kLetters) {
        ASSERT_EQ(pictures.size(), stem.size()) << face;
        for (std::size_t k = 0; k < stem.size(); ++k) {
          EXPECT_EQ(pictures[k], std::string("\\") + char(std::toupper(stem[k])) + ".jpg");
        }
      } else {
        ASSERT_EQ(pictures.size(), 1u);
        EXPECT_EQ(pictures[0], "\\" + stem + "Bounce.jpg") << face;
      }
    }
  }
}

// Every file a screen names is produced beside the game by the asset build.
TEST(ScreenTables, EveryNamedFileIsAnAsset) {
  const std::string dir = wobtest::AppDir();
  std::vector<std::string> files = {"\\firework1.jpg", "\\firework2.jpg", "\\firework3.jpg",
                                    "\\fire1.wav"};
  for (int n = 1; n <= 10; ++n) files.push_back("\\" + std::to_string(n) + ".ico");
  for (const auto* table : {&kLetters, &kNumbers, &kShapes}) {
    for (const std::string& file : TableFiles(*table)) files.push_back(file);
  }
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    files.push_back(std::string("\\") + letter + ".jpg");
  }
  for (const std::string& file : files) {
    EXPECT_FALSE(forms::ResolvePath(dir + file).empty()) << file;
  }
}

}  // namespace
}  // namespace activity_test
