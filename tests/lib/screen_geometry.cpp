// Prints where the game's controls stand on a display of a given size, laid out by the game's
// own forms on the headless platform: one line per control, "form control cx cy x y w h" in
// screen pixels (cx cy the centre). Test and measurement scripts click and crop by it.
//
// Usage: screen_geometry WIDTH HEIGHT APP_FOLDER
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/forms/application.h"
#include "game/forms/headless/headless_platform.h"
#include "game/lockdown/headless/headless_keyboard_lock.h"
#include "game/shell/game.h"
#include "game/sound/wave_output_headless.h"

namespace {

// The form's place on the display: maximised forms cover it, others stand in its centre.
forms::PixelRect PlaceOf(const forms::Form& form, int width, int height) {
  if (form.width_px >= width && form.height_px >= height) return {0, 0, width, height};
  return {(width - form.width_px) / 2, (height - form.height_px) / 2, form.width_px,
          form.height_px};
}

void Print(forms::Application& app, forms::Form& form, const char* name, int width, int height) {
  app.Show(form);
  const forms::PixelRect place = PlaceOf(form, width, height);
  std::printf("%s form %d %d %d %d %d %d\n", name, place.x + place.w / 2, place.y + place.h / 2,
              place.x, place.y, place.w, place.h);
  for (const auto& control : form.AllControls()) {
    const forms::PixelRect box = control->BoundsOnForm();
    const int x = place.x + box.x, y = place.y + box.y;
    std::printf("%s %s %d %d %d %d %d %d\n", name, control->Name().c_str(), x + box.w / 2,
                y + box.h / 2, x, y, box.w, box.h);
  }
}

int Usage() {
  std::fprintf(stderr, "usage: screen_geometry WIDTH HEIGHT APP_FOLDER\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Usage();
  const int width = std::atoi(argv[1]), height = std::atoi(argv[2]);
  if (width <= 0 || height <= 0 || width > 100000 || height > 100000) return Usage();
  forms::HeadlessPlatform platform(width, height);
  platform.app_folder = argv[3];
  platform.MarkFinished();  // no harness waits for the program to idle
  forms::Application app(platform);
  sound::HeadlessWaveOutput sound;
  lockdown::HeadlessKeyboardLock keyboard;
  shell::Game game(app, sound, keyboard, nullptr);  // the menu's load needs no companion here
  try {
    Print(app, game.frmSplash, "frmSplash", width, height);
    Print(app, game.WOB, "WOB", width, height);
    Print(app, game.frmLetters, "frmLetters", width, height);
    Print(app, game.frmPaint, "frmPaint", width, height);
    Print(app, game.frmParent, "frmParent", width, height);
  } catch (const forms::RuntimeError& error) {
    std::fprintf(stderr, "screen_geometry: %s\n", error.BoxText().c_str());
    return 1;
  }
  return 0;
}
