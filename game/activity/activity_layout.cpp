// The activity screen's layout: fixed 200-twip margins, buttons scaled from the design size.
#include "game/activity/activity_screen.h"

#include <algorithm>

namespace activity {

namespace {
// Below this the margins alone fill the form and the frame's size would go negative.
constexpr float kMinWidth = 2 * kMargin + 1;   // twips
constexpr float kMinHeight = 3 * kMargin + 1;  // twips, besides the button row
// The exit button's caption grows with the button (by the smaller ratio, so it fits), so a parent
// finds it on any screen.
constexpr float kDesignCaptionPoints = 8.25f;
}  // namespace

// Sizes a bottom-row button from the ratios and stands it on the row; place k counts from the
// right (0 for cmdExit, which stands alone at the left). Sizes are read back after each write
// so the display's rounding to whole pixels is taken into account.
void ActivityScreen::LayoutButton(forms::Control& button, float form_height, int place) {
  button.SetHeight(kDesignButton * HeightRatio);
  button.SetWidth(kDesignButton * WidthRatio);
  const float w = button.Width();
  const float k = static_cast<float>(place);
  button.SetLeft(place == 0 ? kMargin : Width() - kMargin * k - k * w);
  const float h = button.Height();
  button.SetTop(form_height - kMargin - h);
}

void ActivityScreen::Form_Resize() {
  const float form_width = Width(), form_height = Height();
  // Too small a form (minimised, say) keeps its last layout rather than negative sizes.
  if (form_width < kMinWidth ||
      form_height - kDesignButton * form_height / kDesignHeight < kMinHeight) {
    return;
  }
  SetVisible(false);
  HeightRatio = form_height / kDesignHeight;
  WidthRatio = form_width / kDesignWidth;
  for (const Picker& picker : kPickers) {
    LayoutButton(Get<forms::Image>(picker.name), form_height, picker.place);
  }
  auto& exit = Get<forms::CommandButton>("cmdExit");
  LayoutButton(exit, form_height, 0);
  exit.SetFontSize(kDesignCaptionPoints * std::min(HeightRatio, WidthRatio));
  auto& frame = Get<forms::Frame>("Frame1");
  frame.SetLeft(kMargin);
  frame.SetTop(kMargin);
  frame.SetWidth(Width() - 2 * kMargin);
  frame.SetHeight(Height() - exit.Height() - 3 * kMargin);
  SetVisible(true);
  Show();
}

}  // namespace activity
