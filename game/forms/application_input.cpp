// Routing input: keys to the top modal form, mouse events to the form under the pointer unless
// a modal form stands above it.
#include <algorithm>

#include "game/forms/application.h"

namespace forms {

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
      if (form && TakesInput(*form)) form->MouseDown(event);
      break;
    case Event::Kind::kMouseUp:
      if (form && TakesInput(*form)) form->MouseUp(event);
      break;
    case Event::Kind::kMouseMove:
      if (form && TakesInput(*form)) form->MouseMove(event);
      break;
    case Event::Kind::kExpose:
      if (form) form->InvalidateAll();
      break;
    case Event::Kind::kResize:
      if (form) form->Resize(event.x, event.y);
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

}  // namespace forms
