// A form's mouse input: hit test, capture by the control that got the mouse down, and click.
#include "game/forms/form.h"

#include "game/forms/application.h"

namespace forms {
namespace {

// Handlers run from a copy: a handler may destroy the control that holds it.
template <class Handler, class... Args>
void Call(const Handler& handler, const Args&... args) {
  if (!handler) return;
  Handler copy = handler;
  copy(args...);
}

}  // namespace

MouseArgs Form::ArgsFor(const Control& control, const Event& event) const {
  const PixelRect box = control.BoundsOnForm();
  const int tpp = app_.TwipsPerPixel();
  return {event.button, event.shift, static_cast<float>((event.x - box.x) * tpp),
          static_cast<float>((event.y - box.y) * tpp)};
}

void Form::MouseDown(const Event& event) {
  Control* target = mouse_capture_ ? mouse_capture_ : ControlAt(event.x, event.y);
  mouse_buttons_ |= event.button;
  if (target == nullptr) return;
  mouse_capture_ = target;
  target->ShowHeld(true);
  Call(target->on_mouse_down, ArgsFor(*target, event));
}

void Form::MouseUp(const Event& event) {
  Control* target = mouse_capture_ ? mouse_capture_ : ControlAt(event.x, event.y);
  mouse_buttons_ &= ~event.button;
  if (mouse_buttons_ == 0) mouse_capture_ = nullptr;
  if (target == nullptr) return;
  const bool over = target->BoundsOnForm().Contains(event.x, event.y);
  if (mouse_buttons_ == 0) target->ShowHeld(false);
  const auto alive = target->AliveToken();
  Call(target->on_mouse_up, ArgsFor(*target, event));
  if (alive.expired() || !over || event.button != kButtonLeft) return;
  Call(target->on_click);
}

void Form::MouseMove(const Event& event) {
  Control* target = mouse_capture_ ? mouse_capture_ : ControlAt(event.x, event.y);
  if (target == nullptr) return;
  if (mouse_capture_) target->ShowHeld(target->BoundsOnForm().Contains(event.x, event.y));
  Call(target->on_mouse_move, ArgsFor(*target, event));
}

void Form::LetGoOfMouse() {
  mouse_capture_ = nullptr;
  mouse_buttons_ = 0;
}

}  // namespace forms
