// The main menu WOB: load sequence, layout, picture buttons, parent keys and random screens.
#include "game/shell/main_menu_form.h"

#include <algorithm>

#include "game/cursor_files.h"
#include "game/lockdown/companion.h"
#include "game/lockdown/escape_tally.h"
#include "game/shell/hold_ring.h"
#include "game/shell/menu_layout.h"

namespace shell {

// A picture button: its design place, its pictures and the screen its release opens.
struct MenuButton {
  const char* name;
  float left, top;  // twips
  const char* down_picture;
  const char* up_picture;
  forms::Form& (*screen)(const MenuScreens& screens);
};

namespace {

constexpr float kButtonDesignWidth = 1695, kButtonDesignHeight = 1455;  // twips
constexpr int kButtonGap = 400;  // twips: the layout's second column and row stand this far off

// In the order of the design, which is the order of the buttons in z.
constexpr MenuButton kButtons[] = {
    {"cmdShapes", 240, 240, "\\shaDown.jpg", "\\shaUp.jpg",
     [](const MenuScreens& s) -> forms::Form& { return s.frmShapes; }},
    {"cmdNumbers", 2160, 240, "\\numDown.jpg", "\\numUp.jpg",
     [](const MenuScreens& s) -> forms::Form& { return s.frmNumbers; }},
    {"cmdLetters", 240, 1920, "\\letDown.jpg", "\\letUp.jpg",
     [](const MenuScreens& s) -> forms::Form& { return s.frmLetters; }},
    {"cmdColors", 2160, 1920, "\\colDown.jpg", "\\colUp.jpg",
     [](const MenuScreens& s) -> forms::Form& { return s.frmPaint; }},
};

// The load's up pictures, in its order, with the colours button's own spelling of its name.
constexpr struct {
  const char* button;
  const char* picture;
} kLoadPictures[] = {{"cmdLetters", "\\letUp.jpg"},
                     {"cmdNumbers", "\\numUp.jpg"},
                     {"cmdColors", "\\ColUp.jpg"},
                     {"cmdShapes", "\\shaUp.jpg"}};

constexpr float kLabelDesignPoints = 8.25f;          // the form's default font
constexpr forms::Color kMenuBackColor = 0x80000012;  // system colour 18: black
constexpr forms::Color kExitHintColor = forms::Rgb(255, 214, 0);
constexpr forms::Color kSoundHintColor = forms::Rgb(64, 224, 255);
constexpr int kKeyO = 'O';
constexpr int kHoldTickMs = 50;
constexpr int kRingPixels = 72;  // the hold ring's size, and its margin from the corner / 4

}  // namespace

MainMenuForm::MainMenuForm(forms::Application& app, game::GameState& game,
                           lockdown::KeyboardLock& keyboard, lockdown::CompanionSystem* companion,
                           MenuScreens screens)
    : forms::Form(app), game_(game), keyboard_(keyboard), companion_(companion), screens_(screens) {
  // Window properties belong to the form object: the runtime sizes its window from them.
  SetCaption("Kinderkit");
  SetMaximised(true);
  SetClientSize(6060, 4215);
  app.AtUntrappedError([this] { ReleaseLockdownAfterError(); });
}

void MainMenuForm::Design() {
  SetBackColor(kMenuBackColor);
  for (const MenuButton& button : kButtons) DesignButton(button);
  DesignLabel("Label1", 195, 3600, "To Exit Press [Ctrl-Alt-T]", kExitHintColor);
  DesignLabel("Label2", 120, 3840, "ToToggle Sound Press [Ctrl-Alt-S]", kSoundHintColor);
}

void MainMenuForm::DesignButton(const MenuButton& button) {
  auto& image = Add<forms::Image>(button.name, nullptr);
  image.SetLeft(button.left);
  image.SetTop(button.top);
  image.SetWidth(kButtonDesignWidth);
  image.SetHeight(kButtonDesignHeight);
  image.SetStretch(true);
  image.on_mouse_down = [this, &button](const forms::MouseArgs&) { Button_MouseDown(button); };
  image.on_mouse_up = [this, &button](const forms::MouseArgs&) { Button_MouseUp(button); };
}

void MainMenuForm::DesignLabel(const std::string& name, float left, float top,
                               const std::string& caption, forms::Color color) {
  auto& label = Add<forms::Label>(name, nullptr);
  label.SetLeft(left);
  label.SetTop(top);
  label.SetWidth(3735);
  label.SetHeight(450);
  label.SetCaption(caption);
  label.SetFontSize(kLabelDesignPoints);
  label.SetAlignment(forms::Alignment::kCentre);
  label.SetForeColor(color);
  label.SetTransparent(true);
}

void MainMenuForm::Form_Load() {
  KeyboardHook = 0;  // no hook until step 5 installs one; a failed load removes none
  game_.GameStartedMs = App().NowMs();
  lockdown::GameEscapes().Reset();
  hold_.Cancel();
  // The wait for the companion to be ready comes before the keyboard lock: Windows holds every
  // key of the desktop while a thread with a low-level hook does not pump its messages.
  if (companion_ != nullptr)
    started_companion_ = lockdown::StartCompanionUnlessRunning(*companion_, App().Path());
  for (const auto& load : kLoadPictures) LoadButtonPicture(load.button, load.picture);
  LoadRandomCursor();
  KeyboardHook = keyboard_.Lock();
  game_.SoundSwitch = true;
}

void MainMenuForm::LoadButtonPicture(const std::string& button, const std::string& file) {
  Get<forms::Image>(button).SetPicture(forms::LoadPicture(App().Path() + file));
}

void MainMenuForm::LoadRandomCursor() {
  App().Randomize();
  SetMouseIcon(
      forms::LoadPicture(App().Path() + game::CursorFile(App().Rng().Pick(game::kCursorCount))));
  SetMousePointer(forms::kPointerCustom);
}

void MainMenuForm::Form_Resize() {
  const double width = Width();
  const double height = Height();
  // A form too small for the margins would get negative sizes: it keeps its design layout.
  if (!FitsMenuLayout(width, height)) return;
  SetVisible(false);  // the layout flag: nothing is presented while controls move
  LayOutButtons(width, height);
  LayOutLabels(width, height);
  SetVisible(true);
  Show();
}

void MainMenuForm::LayOutButtons(double width, double height) {
  ButtonHeight = ButtonHeightFor(height);
  ButtonWidth = ButtonWidthFor(width);
  const auto button_height = static_cast<float>(ButtonHeight);
  const auto button_width = static_cast<float>(ButtonWidth);
  const auto second_column = static_cast<float>(ButtonWidth + kButtonGap);
  const auto second_row = static_cast<float>(ButtonHeight + kButtonGap);
  for (const MenuButton& design : kButtons) {
    auto& button = Get<forms::Image>(design.name);
    button.SetHeight(button_height);
    button.SetWidth(button_width);
  }
  Get<forms::Image>("cmdNumbers").SetLeft(second_column);
  Get<forms::Image>("cmdLetters").SetTop(second_row);
  Get<forms::Image>("cmdColors").SetTop(second_row);
  Get<forms::Image>("cmdColors").SetLeft(second_column);
}

void MainMenuForm::LayOutLabels(double width, double height) {
  const auto label_height = static_cast<float>(HintLabelHeightFor(height, ButtonHeight));
  const auto label_width = static_cast<float>(width - 400);
  auto& label1 = Get<forms::Label>("Label1");
  label1.SetHeight(label_height);
  label1.SetWidth(label_width);
  label1.SetTop(static_cast<float>(2 * ButtonHeight + 600));
  label1.SetFontSize(HintFontSizeFor(kLabelDesignPoints, label1.Height()));
  auto& label2 = Get<forms::Label>("Label2");
  label2.SetHeight(label_height);
  label2.SetWidth(label_width);
  label2.SetTop(label1.Top() + label1.Height());
  label2.SetFontSize(HintFontSizeFor(kLabelDesignPoints, label2.Height()));
}

// The parent's combinations. A held one (the panel's, and the exit when the parent chose so)
// starts here and acts in the hold timer; any other key cancels it.
void MainMenuForm::Form_KeyDown(int key_code, int shift) {
  hold_.KeyDown(key_code);
  const bool parent = shift == forms::kShiftCtrlAlt;
  if (parent && key_code == kKeyO && screens_.frmParent && hold_.Key() != kKeyO) StartHold(kKeyO);
  if (parent && key_code == forms::vk::kT) {
    if (!game_.settings.exit_hold) return ExitGame();
    if (hold_.Key() != forms::vk::kT) StartHold(forms::vk::kT);
  }
  if (parent && key_code == forms::vk::kS) game_.SoundSwitch = !game_.SoundSwitch;
  ShowHold();
}

void MainMenuForm::Form_KeyUp(int key_code, int) {
  hold_.KeyUp(key_code);
  ShowHold();
}

void MainMenuForm::ExitGame() {
  // The keyboard is given back before the wait for the companion's second start.
  keyboard_.Unlock();
  started_companion_ = false;  // stopped whoever started it: an error here stops nothing more
  StopCompanion();
  Unload();
}

// The ring and its timer join the menu at the first hold only: the menu as the game always
// had it, until a parent holds the keys.
void MainMenuForm::StartHold(int key_code) {
  hold_.Start(key_code, App().NowMs());
  if (Find("picParentHold") == nullptr) {
    Add<HoldRing>("picParentHold", nullptr).SetVisible(false);
    auto& timer = Add<forms::Timer>("tmrParentHold", nullptr);
    timer.SetInterval(kHoldTickMs);
    timer.on_tick = [this] { tmrParentHold_Timer(); };
  }
  auto& ring = Get<HoldRing>("picParentHold");
  const int tpp = App().TwipsPerPixel();
  ring.SetWidth(static_cast<float>(kRingPixels * tpp));
  ring.SetHeight(static_cast<float>(kRingPixels * tpp));
  ring.SetLeft(Width() - static_cast<float>(kRingPixels * 5 / 4 * tpp));
  ring.SetTop(static_cast<float>(kRingPixels / 4 * tpp));
  Get<forms::Timer>("tmrParentHold").SetEnabled(true);
}

void MainMenuForm::tmrParentHold_Timer() {
  const int key = hold_.Key();
  if (!hold_.Complete(App().NowMs())) return ShowHold();
  hold_.Cancel();
  ShowHold();
  if (key == forms::vk::kT) return ExitGame();
  App().ShowModal(*screens_.frmParent);
}

void MainMenuForm::ShowHold() {
  auto* ring = dynamic_cast<HoldRing*>(Find("picParentHold"));
  if (ring == nullptr) return;
  const bool holding = hold_.Key() != 0;
  ring->SetProgress(hold_.Progress(App().NowMs()));
  ring->SetVisible(holding);
  Get<forms::Timer>("tmrParentHold").SetEnabled(holding);
}

void MainMenuForm::Form_KeyPress(int) {
  // Where Ctrl+Alt is AltGr, the held keys type a character: it opens no screen.
  if (hold_.Key() != 0) return;
  App().Randomize();
  // Paint before shapes: not the buttons' order, on purpose.
  forms::Form* const by_pick[] = {&screens_.frmLetters, &screens_.frmNumbers, &screens_.frmPaint,
                                  &screens_.frmShapes};
  App().ShowModal(*by_pick[std::clamp(App().Rng().Pick(4), 1, 4) - 1]);
}

void MainMenuForm::Form_Unload() {
  if (screens_.frmParent) {
    screens_.frmParent->KeepLastGame(App().NowMs() - game_.GameStartedMs,
                                     lockdown::GameEscapes().Counts());
  }
  keyboard_.Unlock();
  KeyboardHook = 0;
}

void MainMenuForm::StopCompanion() {
  if (companion_ != nullptr) lockdown::StopCompanion(*companion_, App().Path());
}

// An untrapped error ends the game without the unload: nothing of the lockdown may outlive it.
// The companion is stopped as by Ctrl+Alt+T, but only when this run started it.
void MainMenuForm::ReleaseLockdownAfterError() {
  keyboard_.Unlock();
  KeyboardHook = 0;
  if (!started_companion_) return;
  started_companion_ = false;
  StopCompanion();
}

void MainMenuForm::Button_MouseDown(const MenuButton& button) {
  LoadButtonPicture(button.name, button.down_picture);
}

void MainMenuForm::Button_MouseUp(const MenuButton& button) {
  LoadButtonPicture(button.name, button.up_picture);
  App().ShowModal(button.screen(screens_));
}

}  // namespace shell
