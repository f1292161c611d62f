// A paint screen started on the headless backend, with helpers to paint and read the drawing area.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/forms/picture.h"
#include "game/game_state.h"
#include "game/paint/paint_color.h"
#include "game/paint/paint_screen.h"
#include "tests/lib/scenario.h"

namespace paint_test {

constexpr forms::Color kWhite = forms::Rgb(255, 255, 255);

class PaintFixture : public ::testing::Test {
 public:
  explicit PaintFixture(int width_px = 1024, int height_px = 768)
      : scenario(width_px, height_px), screen(scenario.Make<paint::PaintScreen>(game)) {}

  void Open() { scenario.Start(screen); }

  forms::PictureBox& Picture1() { return screen.Get<forms::PictureBox>("Picture1"); }
  forms::Image& Button(const std::string& name) { return screen.Get<forms::Image>(name); }
  forms::Color Pen() const { return forms::Rgb(screen.PenRed, screen.PenGreen, screen.PenBlue); }

  // Pointer positions are in pixels relative to Picture1's top-left corner.
  void MoveOver(int x, int y, int buttons = 0);
  void DownOver(int x, int y);
  void UpOver(int x, int y);
  // Where a move to (x, y) puts the centre of its dot: 125 twips left and below.
  static int DotX(int x) { return x - 8; }
  static int DotY(int y) { return y + 8; }

  int PaintedPixels();  // pixels of Picture1 that are not white
  // The dot of a move to (x, y) is there in this colour, and the pointer's own pixel is not.
  void ExpectDotFor(int x, int y, forms::Color color);

  game::GameState game;
  wobtest::Scenario scenario;
  paint::PaintScreen& screen;  // owned by the scenario, so it outlives the program's thread
};

// Whether a picture has exactly the pixels of the named asset file.
bool SameAsAsset(const forms::PictureRef& picture, const std::string& dir, const std::string& name);

// The one colour button that shows its down picture while the others show their up
// pictures; "" otherwise.
std::string PressedButton(paint::PaintScreen& screen, const std::string& dir);

}  // namespace paint_test
