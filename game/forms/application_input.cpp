// Routing input: keys to the top modal form, mouse events by hit test with capture and click.
#include <algorithm>

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

Control* HitTest(const Container& container, int x, int y) {
  const auto& children = container.Children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    Control* c = *it;
    if (!c->Visible() || !c->TakesMouse() || !c->BoundsOnForm().Contains(x, y)) continue;
    if (auto* frame = dynamic_cast<Frame*>(c)) {
      Control* inner = HitTest(*frame, x, y);
      return inner ? inner : c;
    }
    return c;
  }
  return nullptr;
}

MouseArgs ArgsFor(const Control& c, const Event& event, int button, int tpp) {
  const PixelRect box = c.BoundsOnForm();
  return {button, event.shift, static_cast<float>((event.x - box.x) * tpp),
          static_cast<float>((event.y - box.y) * tpp)};
}

}  // namespace

bool Application::Refused(const Event& event) {
  if (!key_filter_) return false;
  switch (event.kind) {
    case Event::Kind::kKeyDown:
      refused_key_down_ = key_filter_(event.key, event.shift, true);
      return refused_key_down_;
    case Event::Kind::kKeyUp:
      return key_filter_(event.key, event.shift, false);
    case Event::Kind::kChar:
      return refused_key_down_;
    default:
      return false;
  }
}

void Application::Dispatch(const Event& event) {
  if (covers_.IsCover(event.window)) return OnCover(event);
  if (Refused(event)) return;
  Form* form = FormOf(event.window);
  Form* keys = TopModal() ? TopModal() : form;
  switch (event.kind) {
    case Event::Kind::kKeyDown:
      if (keys) keys->Form_KeyDown(event.key, event.shift);
      break;
    case Event::Kind::kChar:
      if (keys) keys->Form_KeyPress(event.ch);
      break;
    case Event::Kind::kKeyUp:
      if (keys) keys->Form_KeyUp(event.key, event.shift);
      break;
    case Event::Kind::kMouseDown:
      if (form && TakesInput(*form)) MouseDown(*form, event);
      break;
    case Event::Kind::kMouseUp:
      if (form && TakesInput(*form)) MouseUp(*form, event);
      break;
    case Event::Kind::kMouseMove:
      if (form && TakesInput(*form)) MouseMove(*form, event);
      break;
    case Event::Kind::kExpose:
      if (form) form->InvalidateAll();
      break;
    case Event::Kind::kResize:
      if (form) Resized(*form, event.x, event.y);
      break;
  }
}

// A cover never keeps the focus: a click on it hands the focus straight back to the game's top
// form, and a key that reached it anyway goes to that form.
void Application::OnCover(const Event& event) {
  Form* top = TopModal();
  for (auto it = loaded_.rbegin(); top == nullptr && it != loaded_.rend(); ++it) {
    if ((*it)->window != 0) top = *it;
  }
  if (top == nullptr || top->window == 0) return;
  const bool key = event.kind == Event::Kind::kKeyDown || event.kind == Event::Kind::kKeyUp ||
                   event.kind == Event::Kind::kChar;
  if (key) {
    Event retargeted = event;
    retargeted.window = top->window;
    Dispatch(retargeted);
  } else if (event.kind == Event::Kind::kMouseDown) {
    platform_.FocusWindow(top->window);
  }
}

Form* Application::FormOf(WindowId window) const {
  if (window == 0) return nullptr;
  for (Form* form : loaded_) {
    if (form->window == window) return form;
  }
  return nullptr;
}

Form* Application::TopModal() const {
  for (auto it = modal_stack_.rbegin(); it != modal_stack_.rend(); ++it) {
    if ((*it)->Loaded()) return *it;
  }
  return nullptr;
}

bool Application::TakesInput(const Form& form) const {
  const Form* top = TopModal();
  if (top == nullptr || top == &form) return true;
  // A form loaded after the top modal form (shown from it) stands above it.
  const auto mine = std::find(loaded_.begin(), loaded_.end(), &form);
  const auto theirs = std::find(loaded_.begin(), loaded_.end(), top);
  return mine > theirs;
}

void Application::MouseDown(Form& form, const Event& event) {
  Control* target = form.mouse_capture_ ? form.mouse_capture_ : HitTest(form, event.x, event.y);
  form.mouse_buttons_ |= event.button;
  if (target == nullptr) return;
  form.mouse_capture_ = target;
  if (auto* button = dynamic_cast<CommandButton*>(target)) button->SetPressed(true);
  Call(target->on_mouse_down, ArgsFor(*target, event, event.button, twips_per_pixel_));
}

void Application::MouseUp(Form& form, const Event& event) {
  Control* target = form.mouse_capture_ ? form.mouse_capture_ : HitTest(form, event.x, event.y);
  form.mouse_buttons_ &= ~event.button;
  if (form.mouse_buttons_ == 0) form.mouse_capture_ = nullptr;
  if (target == nullptr) return;
  const bool over = target->BoundsOnForm().Contains(event.x, event.y);
  if (auto* button = dynamic_cast<CommandButton*>(target); button && form.mouse_buttons_ == 0) {
    button->SetPressed(false);
  }
  const auto alive = target->AliveToken();
  Call(target->on_mouse_up, ArgsFor(*target, event, event.button, twips_per_pixel_));
  if (alive.expired() || !over || event.button != 1) return;
  Call(target->on_click);
}

void Application::MouseMove(Form& form, const Event& event) {
  Control* target = form.mouse_capture_ ? form.mouse_capture_ : HitTest(form, event.x, event.y);
  if (target == nullptr) return;
  if (auto* button = dynamic_cast<CommandButton*>(target); button && form.mouse_capture_) {
    button->SetPressed(target->BoundsOnForm().Contains(event.x, event.y));
  }
  Call(target->on_mouse_move, ArgsFor(*target, event, event.button, twips_per_pixel_));
}

void Application::Resized(Form& form, int width, int height) {
  if (width == form.width_px && height == form.height_px) return;
  form.width_px = std::max(width, 0);
  form.height_px = std::max(height, 0);
  form.dirty_.clear();
  form.InvalidateAll();
  form.Form_Resize();
}

}  // namespace forms
