// Paints a picture on the headless backend and saves it as PNG: the paint screen's picture in the
// docs.
#include <cstdio>
#include <string>

#include "game/game_state.h"
#include "game/paint/paint_screen.h"
#include "tests/lib/scenario.h"

namespace {

// A slow wave (a solid band), then a fast one (separate dots), in the given colour.
void Stroke(wobtest::Scenario& scenario, paint::PaintScreen& screen, int top, int step) {
  const forms::PixelRect box = screen.Get<forms::PictureBox>("Picture1").BoundsOnForm();
  for (int x = 40; x < box.w - 40; x += step) {
    const int wave = ((x / 4) % 60 < 30) ? (x / 4) % 30 : 30 - (x / 4) % 30;
    scenario.MouseMoveTo(screen, box.x + x, box.y + top + wave);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  game::GameState game;
  wobtest::Scenario scenario(1024, 768);
  auto& screen = scenario.Make<paint::PaintScreen>(game);
  scenario.Start(screen);
  const char* const buttons[] = {"cmdSquare",  "cmdCircle", "cmdTriangle",
                                 "cmdDiamond", "cmdHeart",  "cmdStar"};
  int top = 20;
  for (const char* button : buttons) {
    scenario.Click(screen.Get<forms::Control>(button));
    Stroke(scenario, screen, top, 2);
    Stroke(scenario, screen, top + 45, 17);
    top += 95;
  }
  scenario.Click(screen.Get<forms::Control>("cmdHeart"));
  scenario.SavePng(screen, argv[1]);
  return 0;
}
