// The timer control: its interval and enabled flag; the application's loop delivers the ticks.
#include "game/forms/application.h"
#include "game/forms/controls.h"
#include "game/forms/form.h"

namespace forms {

Timer::Timer(Form& form, std::string name, Container* parent)
    : Control(form, std::move(name), parent) {}

void Timer::Restart() {
  next_due_ms = Owner().App().NowMs() + interval_ms_;
}

void Timer::SetInterval(int ms) {
  interval_ms_ = ms < 0 ? 0 : ms;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) Restart();
  enabled_ = enabled;
}

}  // namespace forms
