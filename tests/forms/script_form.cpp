// The scriptable test form and the font folder for text tests.
#include "tests/forms/script_form.h"

#include <filesystem>

#include "game/forms/font.h"
#include "tests/lib/scenario.h"

namespace formtest {

ScriptForm::ScriptForm(forms::Application& app, bool maximised) : Form(app) {
  SetMaximised(maximised);
  SetClientSize(6000, 4500);
}

void ScriptForm::Design() {
  log += 'D';
  if (design) design(*this);
}

void ScriptForm::Form_Load() {
  log += 'L';
  if (load) load(*this);
}

void ScriptForm::Form_Resize() {
  log += 'R';
  if (resize) resize(*this);
}

void ScriptForm::Form_KeyDown(int key_code, int shift) {
  log += 'K';
  if (key_down) key_down(key_code, shift);
}

void ScriptForm::Form_KeyPress(int key_ascii) {
  log += 'P';
  if (key_press) key_press(key_ascii);
}

void ScriptForm::Form_Unload() {
  log += 'U';
  if (unload) unload(*this);
}

std::string FontFolder() {
  static const std::string folder = [] {
    const std::string dir = wobtest::MakeTempDir();
    std::filesystem::copy_file(WOB_TEST_FONT, std::filesystem::path(dir) / forms::Font::kFileName);
    return dir;
  }();
  return folder;
}

}  // namespace formtest
