// frmPaint's layout: the button row along the bottom, scaled to the screen, and the drawing area.
#include <algorithm>

#include "game/paint/paint_color.h"
#include "game/paint/paint_screen.h"

namespace paint {

namespace {

constexpr float kDesignWidth = 6060.0f, kDesignHeight = 4215.0f;  // twips
constexpr float kDesignButton = 495.0f;  // twips, scaled by WidthRatio and HeightRatio
// The buttons' captions grow with the buttons, so a parent finds them on any screen.
constexpr float kDesignCaptionPoints = 8.25f;
// Below these sizes the button row and the drawing area no longer fit inside their fixed
// 200-twip margins (the row needs 1400 + 8 x a button width; the drawing area H - h - 600),
// so a form that small keeps the controls where they were.
constexpr float kMinWidth = 4040.0f, kMinHeight = 680.0f;

}  // namespace

void PaintScreen::Form_Resize() {
  if (Width() < kMinWidth || Height() < kMinHeight) return;
  SetVisible(false);  // the layout flag: nothing is presented while controls move
  HeightRatio = Height() / kDesignHeight;
  WidthRatio = Width() / kDesignWidth;
  for (int slot = 1; slot <= 6; ++slot) {
    LayoutColorButton(Get<forms::Control>(ColorAtSlot(slot).button), slot);
  }
  const auto& red = Get<forms::Control>("cmdTriangle");
  auto& clear = Get<forms::CommandButton>("cmdClear");
  clear.SetHeight(kDesignButton * HeightRatio);
  clear.SetWidth(kDesignButton * WidthRatio * 2);
  clear.SetLeft(Width() - 1400 - 8 * red.Width());
  clear.SetTop(Height() - 200 - red.Height());
  auto& exit = Get<forms::CommandButton>("cmdExit");
  exit.SetHeight(kDesignButton * HeightRatio);
  exit.SetWidth(kDesignButton * WidthRatio);
  exit.SetLeft(200);
  exit.SetTop(Height() - 200 - exit.Height());
  clear.SetFontSize(kDesignCaptionPoints * std::min(HeightRatio, WidthRatio));
  exit.SetFontSize(kDesignCaptionPoints * std::min(HeightRatio, WidthRatio));
  auto& picture = Get<forms::Control>("Picture1");
  picture.SetLeft(200);
  picture.SetTop(200);
  picture.SetWidth(Width() - 400);
  picture.SetHeight(Height() - exit.Height() - 600);
  SetVisible(true);
  Show();
}

// Slot 1 sits at the right edge; each further slot one button and a 200-twip gap to the left.
void PaintScreen::LayoutColorButton(forms::Control& button, int slot) {
  button.SetHeight(kDesignButton * HeightRatio);
  button.SetWidth(kDesignButton * WidthRatio);
  button.SetLeft(Width() - 200.0f * static_cast<float>(slot) -
                 static_cast<float>(slot) * button.Width());
  button.SetTop(Height() - 200 - button.Height());
}

}  // namespace paint
