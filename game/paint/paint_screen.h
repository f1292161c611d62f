// The paint screen frmPaint: six colours, dots painted by moving the mouse, clear and exit.
#pragma once

#include <cstdint>

#include "game/forms/application.h"
#include "game/forms/form.h"
#include "game/game_state.h"
#include "game/paint/painting_keeper.h"

namespace paint {

class PaintScreen : public forms::Form {
 public:
  // keeper: where paintings go when the parent keeps them; none keeps nothing.
  PaintScreen(forms::Application& app, game::GameState& game, PaintingKeeper* keeper = nullptr);
  ~PaintScreen() override;

  void Form_Load() override;
  void Form_Resize() override;
  void Form_KeyDown(int key_code, int shift) override;
  void Form_KeyPress(int key_ascii) override;

  void cmdClear_Click();

  // Form-level state; it outlives unloading, and only PenLifted is not set afresh at a load.
  int PenRed = 255, PenGreen = 255, PenBlue = 255;  // 0..255
  std::int16_t PenLifted = 0;  // 1 while a mouse button is held over the drawing area
  float HeightRatio = 1.0f, WidthRatio = 1.0f;  // form size / design size

 protected:
  void Design() override;

 private:
  void DesignColorButtons();
  // cmdSquare_Click to cmdStar_Click: the click handler every colour button shares.
  void ColorButton_Click(int pick);
  void ResetColorButtons();
  void LayoutColorButton(forms::Control& button, int slot);
  void Picture1_MouseDown(const forms::MouseArgs& args);
  void Picture1_MouseUp(const forms::MouseArgs& args);
  void Picture1_MouseMove(const forms::MouseArgs& args);
  void cmdExit_MouseUp(const forms::MouseArgs& args);
  forms::PictureRef LoadAsset(const char* name);
  void KeepPainting();

  game::GameState& game_;
  PaintingKeeper* keeper_;
};

}  // namespace paint
