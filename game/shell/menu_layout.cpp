// The main menu's layout arithmetic, in double precision as the resize uses it.
#include "game/shell/menu_layout.h"

#include <cmath>

namespace shell {

bool FitsMenuLayout(double width, double height) {
  return width >= kMenuMinWidth && height >= kMenuMinHeight;
}

double ButtonHeightFor(double form_height) {
  return (form_height - 800) / (2 + 455.0 / 1455.0);
}

std::int64_t ButtonWidthFor(double form_width) {
  // nearbyint rounds in the default mode, to nearest with halves to even.
  return static_cast<std::int64_t>(std::nearbyint((form_width - 600) / 2));
}

double HintLabelHeightFor(double form_height, double button_height) {
  return ((form_height - 800) - 2 * button_height) / 2;
}

float HintFontSizeFor(float design_points, double label_height) {
  return static_cast<float>(design_points * label_height / 400);
}

}  // namespace shell
