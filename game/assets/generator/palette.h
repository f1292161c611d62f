// The game's cheerful colours: each spawned picture's own colour, shared with its picker face.
#pragma once

#include <string>

#include "image.h"

namespace assetgen {

inline const Colour kRed = Rgb(255, 59, 48);
inline const Colour kOrange = Rgb(255, 149, 0);
inline const Colour kYellow = Rgb(255, 214, 10);
inline const Colour kLime = Rgb(150, 226, 40);
inline const Colour kGreen = Rgb(40, 200, 80);
inline const Colour kTeal = Rgb(0, 206, 190);
inline const Colour kSky = Rgb(40, 170, 255);
inline const Colour kBlue = Rgb(80, 110, 255);
inline const Colour kPurple = Rgb(178, 90, 235);
inline const Colour kPink = Rgb(255, 80, 170);
inline const Colour kInk = Rgb(28, 24, 48);  // outlines
inline const Colour kWhite = Rgb(255, 255, 255);

// Letters cycle through ten colours, so neighbours in a picker group always differ.
Colour LetterColour(char letter);
Colour DigitColour(char digit);

// The six shapes of the shapes screen; key is the file prefix ("squ", "cir", ...).
enum class ShapeKind { kSquare, kCircle, kTriangle, kDiamond, kHeart, kStar };
struct ShapeInfo {
  ShapeKind kind;
  const char* key;
  Colour colour;
};
const ShapeInfo (&AllShapes())[6];

}  // namespace assetgen
