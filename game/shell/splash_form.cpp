// The splash frmSplash: built-in logo, the two-part name and the version; any key or frame click
// or the tenth timer tick closes it.
#include "game/shell/splash_form.h"

#include <limits>
#include <string>

#include "game/assets/embedded.h"

namespace shell {

namespace {

constexpr int kTicksShown = 10;  // of 500 ms: five seconds
constexpr forms::Color kBorderColor = forms::Rgb(232, 93, 4);
constexpr forms::Color kFrameColor = forms::Rgb(255, 209, 102);

}  // namespace

// A label on the frame, in twips; each sizes itself to its text.
struct SplashLabelDesign {
  const char* name;
  const char* caption;
  float left, top, width, height;
  float points;
  forms::Color color;
  forms::Alignment alignment;
};

namespace {

constexpr SplashLabelDesign kLabels[] = {
    {"lblCompanyProduct", "Wobbleton", 2280, 1080, 1380, 435, 18, forms::Rgb(157, 2, 8),
     forms::Alignment::kLeft},
    {"lblProductName", "Playboard", 2280, 1560, 3375, 555, 24, forms::Rgb(3, 83, 164),
     forms::Alignment::kLeft},
    // Right-aligned: its right edge stays put when load replaces the text.
    {"lblVersion", "Version", 5670, 2280, 885, 285, 12, forms::Rgb(106, 4, 15),
     forms::Alignment::kRight},
};

}  // namespace

SplashForm::SplashForm(forms::Application& app, forms::Form& menu) : forms::Form(app), menu_(menu) {
  // A window property of the form object: the runtime sizes its window from it.
  SetClientSize(7380, 4245);
}

void SplashForm::Design() {
  SetBackColor(kBorderColor);
  auto& frame = Add<forms::Frame>("Frame1", nullptr);
  frame.SetLeft(150);
  frame.SetTop(0);
  frame.SetWidth(7080);
  frame.SetHeight(4050);
  frame.SetBackColor(kFrameColor);
  frame.on_click = [this] { Frame1_Click(); };
  auto& logo = Add<forms::Image>("imgLogo", &frame);
  logo.SetLeft(480);
  logo.SetTop(480);
  logo.SetWidth(1695);
  logo.SetHeight(1695);
  logo.SetStretch(true);
  const auto jpeg = assets::SplashLogoJpeg();
  logo.SetPicture(forms::DecodePicture(jpeg.data(), jpeg.size(), "imgLogo"));
  for (const SplashLabelDesign& design : kLabels) DesignLabel(&frame, design);
  Add<forms::Timer>("Timer1", nullptr).on_tick = [this] { Timer1_Timer(); };
}

void SplashForm::DesignLabel(forms::Container* parent, const SplashLabelDesign& design) {
  auto& label = Add<forms::Label>(design.name, parent);
  label.SetLeft(design.left);
  label.SetTop(design.top);
  label.SetWidth(design.width);
  label.SetHeight(design.height);
  label.SetFontSize(design.points);
  label.SetForeColor(design.color);
  label.SetTransparent(true);
  label.SetAlignment(design.alignment);
  label.SetCaption(design.caption);
  label.SetAutoSize(true);  // last, so that it fits the design text from the design edge
}

void SplashForm::Form_Load() {
  SplashTicks = 0;
  const forms::Version& v = App().AppVersion();
  Get<forms::Label>("lblVersion")
      .SetCaption("Version " + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
                  std::to_string(v.revision));
  auto& timer = Get<forms::Timer>("Timer1");
  timer.SetEnabled(true);
  timer.SetInterval(500);
}

void SplashForm::Timer1_Timer() {
  if (SplashTicks == std::numeric_limits<std::int16_t>::max()) forms::ThrowOverflow();
  ++SplashTicks;
  if (SplashTicks == kTicksShown) Unload();
}

void SplashForm::Form_KeyPress(int) {
  Unload();
}

void SplashForm::Frame1_Click() {
  Unload();
}

void SplashForm::Form_Unload() {
  App().Show(menu_);
}

}  // namespace shell
