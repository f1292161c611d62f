// What sets the letters, numbers and shapes screens apart: picker faces, key rules, group pictures.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace activity {

constexpr int kPickerCount = 6;
constexpr int kGroupCount = 6;

// A picker button's fixed facts, the same on every screen.
struct Picker {
  const char* name;   // control name, e.g. "cmdSquare"
  int group;          // the group number its release stores
  int place;          // place in the row counted from the right (1 = rightmost)
  float design_left;  // twips, the design position before the first layout
};

// The pickers in layout order, from the right: cmdSquare (k = 1) to cmdTriangle (k = 6).
extern const std::array<Picker, kPickerCount> kPickers;
// The order in which Load gives the pickers their up pictures.
extern const std::array<const char*, kPickerCount> kPickerLoadOrder;

// Which keys name a picture of their own.
enum class KeyRule {
  kLetters,     // a to z in either case: "\A.jpg" to "\Z.jpg"
  kDigits1To6,  // 1 to 6: "\1Bounce.jpg" to "\6Bounce.jpg"
  kNone,        // no key names a picture
};

struct PickerFaces {
  const char* up;    // "\abcd-Up.jpg"
  const char* down;  // "\abcd-down.jpg"
};

struct ScreenTable {
  const char* form_name;  // frmLetters, frmNumbers, frmShapes
  // Faces per picker, in the order of kPickers.
  std::array<PickerFaces, kPickerCount> faces;
  KeyRule keys;
  // Pictures of group 1 to 6 (index 0 unused), in pick order.
  std::array<std::vector<std::string>, kGroupCount + 1> groups;
  // Whether a spawn shows the picture a key named before the group's own.
  bool uses_pending;
};

extern const ScreenTable kLetters;
extern const ScreenTable kNumbers;
extern const ScreenTable kShapes;

// The picture a typed character names on this screen; empty when it names none.
std::string PictureForKey(const ScreenTable& table, int character);

// The name a spawned picture says, as its voice clip is named: "\A.jpg" gives "a",
// "\3Bounce.jpg" "3", "\squBounce.jpg" "square"; "" for any other file.
std::string SpokenName(const std::string& picture);

// The index into kPickers of the picker with this control name; -1 when there is none.
int PickerIndex(const std::string& name);

}  // namespace activity
