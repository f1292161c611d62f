// The paint screen's six colours: button, pen colour, pictures, brush cursor and random pick.
#pragma once

#include <array>

namespace paint {

struct PaintColor {
  const char* button;      // control name of the colour button
  int red, green, blue;    // PenRed, PenGreen, PenBlue
  const char* up_picture;  // asset names, each with its leading backslash
  const char* down_picture;
  const char* brush_cursor;
  int pick;  // the random pick number, 1 to 6
  int slot;  // place in the button row, 1 at the right edge
};

// In random pick order. The row runs blue, green, orange, yellow, purple, red from the right.
inline constexpr std::array<PaintColor, 6> kPaintColors{{
    {"cmdSquare", 51, 0, 255, "\\blueSqu.jpg", "\\blueSquDown.jpg", "\\bluebrush.ico", 1, 1},
    // Green keeps a red component of 1, not 0.
    {"cmdCircle", 1, 204, 0, "\\greenSqu.jpg", "\\greenSquDown.jpg", "\\greenbrush.ico", 2, 2},
    {"cmdTriangle", 245, 0, 0, "\\redSqu.jpg", "\\redSquDown.jpg", "\\redbrush.ico", 3, 6},
    {"cmdDiamond", 251, 105, 4, "\\orangeSqu.jpg", "\\orangeSquDown.jpg", "\\orangebrush.ico", 4,
     3},
    {"cmdHeart", 255, 255, 0, "\\YellowSqu.jpg", "\\yellowSquDown.jpg", "\\yellowbrush.ico", 5, 4},
    {"cmdStar", 103, 0, 153, "\\purpleSqu.jpg", "\\purpleSquDown.jpg", "\\purplebrush.ico", 6, 5},
}};

// The cursor shown before any colour is chosen.
inline constexpr const char* kPaintbrushCursor = "\\paintbrush.ico";

const PaintColor& ColorByPick(int pick);  // pick 1 to 6
const PaintColor& ColorAtSlot(int slot);  // slot 1 to 6

}  // namespace paint
