// The activity screen's form: design, load, picker and exit buttons, the play area and the keys.
#include "game/activity/activity_screen.h"

#include "game/cursor_files.h"

namespace activity {

ActivityScreen::ActivityScreen(forms::Application& app, game::GameState& game,
                               sound::WaveOutput& sound, const ScreenTable& table)
    : forms::Form(app), game_(game), sound_(sound), table_(table) {
  SetCaption("Kinderkit");
  SetMaximised(true);
}

ActivityScreen::~ActivityScreen() = default;

void ActivityScreen::Design() {
  SetBackColor(forms::Rgb(0, 0, 0));  // system colour 18, button text: black

  auto& timer = Add<forms::Timer>("Timer1", nullptr);
  timer.SetInterval(250);
  timer.SetEnabled(true);
  timer.on_tick = [this] { Timer1_Timer(); };

  auto& frame = Add<forms::Frame>("Frame1", nullptr);
  frame.SetBackColor(forms::Rgb(0, 0, 0));
  frame.SetLeft(120), frame.SetTop(120), frame.SetWidth(5775), frame.SetHeight(3375);
  frame.on_mouse_up = [this](const forms::MouseArgs& args) { Frame1_MouseUp(args); };

  auto& exit = Add<forms::CommandButton>("cmdExit", nullptr);
  exit.SetCaption("Exit");
  exit.SetLeft(120), exit.SetTop(3600), exit.SetWidth(495), exit.SetHeight(495);
  exit.on_mouse_up = [this](const forms::MouseArgs& args) { cmdExit_MouseUp(args); };
  DesignPickers();
}

void ActivityScreen::DesignPickers() {
  for (int i = 0; i < kPickerCount; ++i) {
    auto& image = Add<forms::Image>(kPickers[i].name, nullptr);
    image.SetStretch(true);
    image.SetLeft(kPickers[i].design_left), image.SetTop(3600);
    image.SetWidth(kDesignButton), image.SetHeight(kDesignButton);
    image.on_mouse_down = [this, i](const forms::MouseArgs&) { Picker_MouseDown(i); };
    image.on_mouse_up = [this, i](const forms::MouseArgs&) { Picker_MouseUp(i); };
  }
}

// cmdSquare_MouseDown to cmdTriangle_MouseDown: the picker shows its down picture. Pickers
// ignore the mouse button, the shift state and the position.
void ActivityScreen::Picker_MouseDown(int picker) {
  LoadInto(Get<forms::Image>(kPickers[picker].name), table_.faces[picker].down);
}

// cmdSquare_MouseUp to cmdTriangle_MouseUp: the up picture again, and the picker's group is
// chosen for the next tick.
void ActivityScreen::Picker_MouseUp(int picker) {
  LoadInto(Get<forms::Image>(kPickers[picker].name), table_.faces[picker].up);
  PickerChoice = kPickers[picker].group;
}

void ActivityScreen::cmdExit_MouseUp(const forms::MouseArgs&) {
  Unload();
}

void ActivityScreen::Frame1_MouseUp(const forms::MouseArgs&) {
  ++PressCount;
}

void ActivityScreen::Form_Load() {
  App().Randomize();
  const int cursor = App().Rng().Pick(game::kCursorCount);
  SetMouseIcon(forms::LoadPicture(App().Path() + game::CursorFile(cursor)));
  SetMousePointer(forms::kPointerCustom);
  for (const char* name : kPickerLoadOrder) {
    LoadInto(Get<forms::Image>(name), table_.faces[PickerIndex(name)].up);
  }
}

void ActivityScreen::Form_KeyDown(int key_code, int shift) {
  if (shift == forms::kShiftCtrlAlt && key_code == forms::vk::kS)
    game_.SoundSwitch = !game_.SoundSwitch;
}

// The pictures died with the window, so their slots are freed: a reopened screen starts
// empty and its spot search meets only pictures that are really there.
void ActivityScreen::Form_Unload() {
  for (Slot& slot : slots_) slot = Slot{};
  loaded_files_.clear();
}

void ActivityScreen::LoadInto(forms::Image& image, const std::string& file) {
  image.SetPicture(forms::LoadPicture(App().Path() + file));
  loaded_files_[image.Name()] = file;
}

std::string ActivityScreen::LoadedFile(const std::string& control) const {
  auto it = loaded_files_.find(control);
  return it == loaded_files_.end() ? std::string() : it->second;
}

std::string ActivityScreen::SlotName(int slot) {
  return "cmd" + std::to_string(slot) + "Img";
}

// One event-loop turn. Input handled meanwhile may release the exit button; then the rest of
// the running tick must not touch the destroyed controls, so it is abandoned.
void ActivityScreen::Turn() {
  App().DoEvents();
  if (!Loaded()) throw ScreenClosed{};
}

}  // namespace activity
