// The tables of the three activity screens.
#include "game/activity/screen_table.h"

#include <utility>

namespace activity {

// Group numbers and row places differ for four pickers; the game keeps this pairing on purpose,
// so each picker spawns the pictures its face shows.
const std::array<Picker, kPickerCount> kPickers = {{
    {"cmdSquare", 1, 1, 5400},
    {"cmdCircle", 2, 2, 4800},
    {"cmdDiamond", 4, 3, 3600},
    {"cmdHeart", 5, 4, 3000},
    {"cmdStar", 6, 5, 2400},
    {"cmdTriangle", 3, 6, 4200},
}};

const std::array<const char*, kPickerCount> kPickerLoadOrder = {
    "cmdTriangle", "cmdStar", "cmdHeart", "cmdDiamond", "cmdCircle", "cmdSquare"};

// The file names keep their mixed case ("-down", "5down"); look-up ignores case.
const ScreenTable kLetters = {
    "frmLetters",
    {{{"\\vwxyz-Up.jpg", "\\vwxyz-down.jpg"},
      {"\\qrstu-Up.jpg", "\\qrstu-down.jpg"},
      {"\\mnop-Up.jpg", "\\mnop-down.jpg"},
      {"\\ijkl-Up.jpg", "\\ijkl-down.jpg"},
      {"\\efgh-Up.jpg", "\\efgh-down.jpg"},
      {"\\abcd-Up.jpg", "\\abcd-down.jpg"}}},
    KeyRule::kLetters,
    {{{},
      {"\\V.jpg", "\\W.jpg", "\\X.jpg", "\\Y.jpg", "\\Z.jpg"},
      {"\\Q.jpg", "\\R.jpg", "\\S.jpg", "\\T.jpg", "\\U.jpg"},
      {"\\A.jpg", "\\B.jpg", "\\C.jpg", "\\D.jpg"},
      {"\\M.jpg", "\\N.jpg", "\\O.jpg", "\\P.jpg"},
      {"\\I.jpg", "\\J.jpg", "\\K.jpg", "\\L.jpg"},
      {"\\E.jpg", "\\F.jpg", "\\G.jpg", "\\H.jpg"}}},
    true,
};

const ScreenTable kNumbers = {
    "frmNumbers",
    {{{"\\6Up.jpg", "\\6Down.jpg"},
      {"\\5Up.jpg", "\\5down.jpg"},
      {"\\4Up.jpg", "\\4Down.jpg"},
      {"\\3Up.jpg", "\\3down.jpg"},
      {"\\2Up.jpg", "\\2Down.jpg"},
      {"\\1Up.jpg", "\\1Down.jpg"}}},
    KeyRule::kDigits1To6,
    {{{},
      {"\\6Bounce.jpg"},
      {"\\5Bounce.jpg"},
      {"\\1Bounce.jpg"},
      {"\\4Bounce.jpg"},
      {"\\3Bounce.jpg"},
      {"\\2Bounce.jpg"}}},
    true,
};

const ScreenTable kShapes = {
    "frmShapes",
    {{{"\\squUp.jpg", "\\squDown.jpg"},
      {"\\cirUp.jpg", "\\cirDown.jpg"},
      {"\\diaUp.jpg", "\\diaDown.jpg"},
      {"\\heaUp.jpg", "\\heaDown.jpg"},
      {"\\staUp.jpg", "\\staDown.jpg"},
      {"\\triUp.jpg", "\\triDown.jpg"}}},
    KeyRule::kNone,
    {{{},
      {"\\squBounce.jpg"},
      {"\\cirBounce.jpg"},
      {"\\triBounce.jpg"},
      {"\\diaBounce.jpg"},
      {"\\heaBounce.jpg"},
      {"\\staBounce.jpg"}}},
    false,
};

std::string PictureForKey(const ScreenTable& table, int character) {
  switch (table.keys) {
    case KeyRule::kLetters:
      // Upper-casing an ANSI character never yields A to Z from outside a-z and A-Z.
      if (character >= 'a' && character <= 'z') character -= 'a' - 'A';
      if (character >= 'A' && character <= 'Z') {
        return std::string("\\") + static_cast<char>(character) + ".jpg";
      }
      return {};
    case KeyRule::kDigits1To6:
      if (character >= '1' && character <= '6') {
        return std::string("\\") + static_cast<char>(character) + "Bounce.jpg";
      }
      return {};
    case KeyRule::kNone:
      return {};
  }
  return {};
}

std::string SpokenName(const std::string& picture) {
  static const std::array<std::pair<const char*, const char*>, 6> kShapeNames = {{
      {"\\squBounce.jpg", "square"},
      {"\\cirBounce.jpg", "circle"},
      {"\\triBounce.jpg", "triangle"},
      {"\\diaBounce.jpg", "diamond"},
      {"\\heaBounce.jpg", "heart"},
      {"\\staBounce.jpg", "star"},
  }};
  for (const auto& [file, name] : kShapeNames) {
    if (picture == file) return name;
  }
  const char first = picture.size() > 1 ? picture[1] : '\0';
  if (first >= 'A' && first <= 'Z' && picture.substr(2) == ".jpg") {
    return std::string(1, static_cast<char>(first - 'A' + 'a'));
  }
  if (first >= '1' && first <= '6' && picture.substr(2) == "Bounce.jpg") return {first};
  return {};
}

int PickerIndex(const std::string& name) {
  for (int i = 0; i < kPickerCount; ++i) {
    if (name == kPickers[i].name) return i;
  }
  return -1;
}

}  // namespace activity
