// The splash frmSplash: logo, name and version for five seconds, then the main menu.
#pragma once

#include <cstdint>

#include "game/forms/application.h"
#include "game/forms/form.h"

namespace shell {

struct SplashLabelDesign;

class SplashForm : public forms::Form {
 public:
  // menu: the form that the splash's unload shows, not modally.
  SplashForm(forms::Application& app, forms::Form& menu);

  void Form_Load() override;
  void Form_KeyPress(int key_ascii) override;
  void Form_Unload() override;
  void Timer1_Timer();
  void Frame1_Click();

  std::int16_t SplashTicks = 0;  // 500 ms timer ticks since load

 protected:
  void Design() override;

 private:
  void DesignLabel(forms::Container* parent, const SplashLabelDesign& design);

  forms::Form& menu_;
};

}  // namespace shell
