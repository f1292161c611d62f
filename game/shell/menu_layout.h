// The main menu's layout arithmetic: button and hint-label sizes from the form's size in twips.
#pragma once

#include <cstdint>

namespace shell {

// Margins the layout keeps: 200 twips round the edges and between the rows and columns.
constexpr double kMenuMinWidth = 600;   // twips
constexpr double kMenuMinHeight = 800;  // twips

// Whether a form of this size leaves room for the layout; a smaller one would give
// negative sizes.
bool FitsMenuLayout(double width, double height);
// ButtonHeight: two rows of buttons and a band for the two hint labels, 455 / 1455 of a button.
double ButtonHeightFor(double form_height);
// ButtonWidth: half the width left by the margins, rounded to a whole twip, halves to even.
// Kept wide so that displays past 65,000 twips (a 5K monitor) lay out like any other.
std::int64_t ButtonWidthFor(double form_width);
// The height of each hint label: half the band under the buttons.
double HintLabelHeightFor(double form_height, double button_height);
// A hint label's font: its design size scaled by its height (as displayed) over 400 twips.
// Scaling from the design size, not the current one, keeps repeated resizes stable.
float HintFontSizeFor(float design_points, double label_height);

}  // namespace shell
