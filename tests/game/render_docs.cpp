// Renders the docs' pictures of the game's screens, all the same way: the whole game on the
// headless backend at 1024 x 768, from the splash through the menu to the screen pictured, each
// picture from a fresh start. Usage: render_docs FOLDER [PICTURE...], where PICTURE is splash,
// menu, letters, numbers, shapes or paint (default: every one). Writes FOLDER/PICTURE.png.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "game/activity/screen_table.h"
#include "game/forms/controls.h"
#include "tests/lib/game_holder.h"
#include "tests/lib/scenario.h"

namespace {

constexpr double kTickMs = 250;  // the activity screens' timer

// A few pictures spawned and bursting, every picker pressed once, the heart held down.
void PlayActivity(wobtest::Scenario& scenario, forms::Form& screen) {
  const char* keys = "wobletn";
  for (int tick = 0; tick < 23; ++tick) {
    if (tick % 4 == 0)
      scenario.Click(screen.Get<forms::Image>(activity::kPickers[tick / 4 % 6].name));
    if (tick % 3 == 0) scenario.Char(keys[tick / 3 % 7]);
    scenario.Advance(kTickMs);
  }
  scenario.MouseDown(screen.Get<forms::Image>("cmdHeart"));
}

// A slow wave (a solid band), then a fast one (separate dots), in the chosen colour.
void Stroke(wobtest::Scenario& scenario, forms::Form& screen, int top, int step) {
  const forms::PixelRect box = screen.Get<forms::PictureBox>("Picture1").BoundsOnForm();
  for (int x = 40; x < box.w - 40; x += step) {
    const int wave = ((x / 4) % 60 < 30) ? (x / 4) % 30 : 30 - (x / 4) % 30;
    scenario.MouseMoveTo(screen, box.x + x, box.y + top + wave);
  }
}

// Two waves in each colour, the heart chosen last.
void PlayPaint(wobtest::Scenario& scenario, forms::Form& screen) {
  const char* const colours[] = {"cmdSquare",  "cmdCircle", "cmdTriangle",
                                 "cmdDiamond", "cmdHeart",  "cmdStar"};
  int top = 20;
  for (const char* colour : colours) {
    scenario.Click(screen.Get<forms::Control>(colour));
    Stroke(scenario, screen, top, 2);
    Stroke(scenario, screen, top + 45, 17);
    top += 95;
  }
  scenario.Click(screen.Get<forms::Control>("cmdHeart"));
}

struct Picture {
  const char* name;
  const char* menu_button;  // nullptr: the splash or the menu itself
  void (*play)(wobtest::Scenario&, forms::Form&);
};

const Picture kPictures[] = {{"splash", nullptr, nullptr},
                             {"menu", nullptr, nullptr},
                             {"letters", "cmdLetters", PlayActivity},
                             {"numbers", "cmdNumbers", PlayActivity},
                             {"shapes", "cmdShapes", PlayActivity},
                             {"paint", "cmdColors", PlayPaint}};

forms::Form& ScreenOf(shell::Game& game, const std::string& name) {
  if (name == "letters") return game.frmLetters;
  if (name == "numbers") return game.frmNumbers;
  if (name == "shapes") return game.frmShapes;
  return game.frmPaint;
}

// The picture's form after its play; false when the game did not get there.
bool Render(const Picture& picture, const std::string& folder) {
  wobtest::Scenario scenario;
  // As on Linux: no companion beside the game.
  shell::Game& game =
      scenario.Make<wobtest::GameHolder>(scenario.Sound(), scenario.Keyboard(), nullptr).game;
  scenario.Start(game.frmSplash);
  scenario.Advance(100);
  forms::Form* form = &game.frmSplash;
  if (std::strcmp(picture.name, "splash") != 0) {
    scenario.Advance(5000);  // the splash closes itself and shows the menu
    form = &game.WOB;
  }
  if (picture.menu_button) {
    scenario.Click(game.WOB.Get<forms::Image>(picture.menu_button));
    form = &ScreenOf(game, picture.name);
    picture.play(scenario, *form);
  }
  if (!form->Loaded()) return false;
  scenario.SavePng(*form, folder + "/" + picture.name + ".png");
  return true;
}

const Picture* Find(const std::string& name) {
  for (const Picture& picture : kPictures) {
    if (name == picture.name) return &picture;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: render_docs FOLDER [splash|menu|letters|numbers|shapes|paint]...\n");
    return 2;
  }
  std::vector<const Picture*> chosen;
  for (int i = 2; i < argc; ++i) {
    const Picture* picture = Find(argv[i]);
    if (!picture) {
      std::fprintf(stderr, "render_docs: no picture named \"%s\"\n", argv[i]);
      return 2;
    }
    chosen.push_back(picture);
  }
  if (chosen.empty()) {
    for (const Picture& picture : kPictures) chosen.push_back(&picture);
  }
  for (const Picture* picture : chosen) {
    if (!Render(*picture, argv[1])) {
      std::fprintf(stderr, "render_docs: the game never showed %s\n", picture->name);
      return 1;
    }
  }
  return 0;
}
