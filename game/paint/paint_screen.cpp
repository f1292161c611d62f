// frmPaint: loading, colour choice, painting with the mouse, clearing, the parent's sound key,
// exit.
#include "game/paint/paint_screen.h"

#include "game/paint/paint_color.h"

namespace paint {

namespace {

constexpr forms::Color kWhite = forms::Rgb(255, 255, 255);
constexpr int kDrawWidth = 10;  // pixels: each painted point is a round dot this wide
// The dot lands 125 twips left of and below the pointer's hot spot, where the brush
// cursor's painting tip is drawn.
constexpr float kDotOffsetX = -125.0f, kDotOffsetY = 125.0f;

void Place(forms::Control& control, float left, float top, float width, float height) {
  control.SetLeft(left);
  control.SetTop(top);
  control.SetWidth(width);
  control.SetHeight(height);
}

}  // namespace

PaintScreen::PaintScreen(forms::Application& app, game::GameState& game, PaintingKeeper* keeper)
    : forms::Form(app), game_(game), keeper_(keeper) {
  SetCaption("Kinderkit");
  SetMaximised(true);
  SetClientSize(6060, 4215);  // twips
  SetMousePointer(forms::kPointerCustom);
}

PaintScreen::~PaintScreen() = default;

// The design positions are what the layout gives at the design size of 6060 x 4215 twips.
void PaintScreen::Design() {
  auto& picture = Add<forms::PictureBox>("Picture1", nullptr);
  picture.SetBackColor(kWhite);
  Place(picture, 200, 200, 5660, 3120);
  picture.on_mouse_down = [this](const forms::MouseArgs& args) { Picture1_MouseDown(args); };
  picture.on_mouse_up = [this](const forms::MouseArgs& args) { Picture1_MouseUp(args); };
  picture.on_mouse_move = [this](const forms::MouseArgs& args) { Picture1_MouseMove(args); };

  DesignColorButtons();

  auto& clear = Add<forms::CommandButton>("cmdClear", nullptr);
  clear.SetCaption("Clear");
  Place(clear, 700, 3520, 990, 495);
  clear.on_click = [this] { cmdClear_Click(); };

  auto& exit = Add<forms::CommandButton>("cmdExit", nullptr);
  exit.SetCaption("Exit");
  Place(exit, 200, 3520, 495, 495);
  exit.on_mouse_up = [this](const forms::MouseArgs& args) { cmdExit_MouseUp(args); };
}

void PaintScreen::DesignColorButtons() {
  for (const PaintColor& color : kPaintColors) {
    auto& button = Add<forms::Image>(color.button, nullptr);
    button.SetStretch(true);
    button.SetBorderStyle(0);
    button.SetAppearance(0);
    Place(button, 6060.0f - 695.0f * color.slot, 3520, 495, 495);
    const int pick = color.pick;
    button.on_click = [this, pick] { ColorButton_Click(pick); };
  }
}

void PaintScreen::Form_Load() {
  SetMouseIcon(LoadAsset(kPaintbrushCursor));
  PenRed = 255;
  PenGreen = 255;
  PenBlue = 255;
  Get<forms::PictureBox>("Picture1").SetDrawWidth(kDrawWidth);
  Form_KeyPress(78);  // a random colour at once; the character makes no difference
}

// Any character key chooses one of the six colours at random; the same one may come again.
void PaintScreen::Form_KeyPress(int /*key_ascii*/) {
  App().Randomize();
  ColorButton_Click(App().Rng().Pick(6));
}

void PaintScreen::Form_KeyDown(int key_code, int shift) {
  if (shift == forms::kShiftCtrlAlt && key_code == forms::vk::kS)
    game_.SoundSwitch = !game_.SoundSwitch;
}

void PaintScreen::ColorButton_Click(int pick) {
  const PaintColor& color = ColorByPick(pick);
  ResetColorButtons();
  Get<forms::Image>(color.button).SetPicture(LoadAsset(color.down_picture));
  SetMouseIcon(LoadAsset(color.brush_cursor));
  PenRed = color.red;
  PenGreen = color.green;
  PenBlue = color.blue;
}

// Up pictures go back from the left end of the row to the right.
void PaintScreen::ResetColorButtons() {
  for (int slot = 6; slot >= 1; --slot) {
    const PaintColor& color = ColorAtSlot(slot);
    Get<forms::Image>(color.button).SetPicture(LoadAsset(color.up_picture));
  }
}

void PaintScreen::Picture1_MouseDown(const forms::MouseArgs& /*args*/) {
  PenLifted = 1;
}

void PaintScreen::Picture1_MouseUp(const forms::MouseArgs& /*args*/) {
  PenLifted = 0;
}

// One dot per move and nothing joining them: a fast stroke leaves separate dots.
void PaintScreen::Picture1_MouseMove(const forms::MouseArgs& args) {
  if (PenLifted != 0) return;
  const auto red = static_cast<std::int16_t>(PenRed);
  const auto green = static_cast<std::int16_t>(PenGreen);
  const auto blue = static_cast<std::int16_t>(PenBlue);
  Get<forms::PictureBox>("Picture1")
      .PSet(args.x + kDotOffsetX, args.y + kDotOffsetY, forms::Rgb(red, green, blue));
}

void PaintScreen::cmdClear_Click() {
  Get<forms::PictureBox>("Picture1").SetBackColor(kWhite);
}

void PaintScreen::cmdExit_MouseUp(const forms::MouseArgs& /*args*/) {
  KeepPainting();
  Unload();
}

// Only when the parent asked for it, and only a painting with a dot on it.
void PaintScreen::KeepPainting() {
  if (!game_.settings.keep_paintings || keeper_ == nullptr) return;
  const auto& picture = Get<forms::PictureBox>("Picture1");
  if (picture.HasDrawing()) keeper_->Keep(*picture.Snapshot());
}

forms::PictureRef PaintScreen::LoadAsset(const char* name) {
  return forms::LoadPicture(App().Path() + name);
}

}  // namespace paint
