// The game's cheerful colours: each spawned picture's own colour, shared with its picker face.
#include "palette.h"

namespace assetgen {
namespace {

const Colour kCycle[] = {kRed, kOrange, kYellow, kGreen, kSky, kPurple, kPink, kLime, kTeal, kBlue};

}  // namespace

Colour LetterColour(char letter) {
  return kCycle[(letter - 'A') % 10];
}

Colour DigitColour(char digit) {
  return kCycle[(digit - '1') % 10];
}

const ShapeInfo (&AllShapes())[6] {
  static const ShapeInfo kShapes[] = {
      {ShapeKind::kSquare, "squ", kBlue},    {ShapeKind::kCircle, "cir", kOrange},
      {ShapeKind::kTriangle, "tri", kGreen}, {ShapeKind::kDiamond, "dia", kTeal},
      {ShapeKind::kHeart, "hea", kPink},     {ShapeKind::kStar, "sta", kYellow},
  };
  return kShapes;
}

}  // namespace assetgen
