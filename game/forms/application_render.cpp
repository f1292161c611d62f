// Drawing: each visible form repaints its changed areas and presents only those; a form hidden
// under a full-screen modal form holds no frame.
#include <algorithm>

#include "game/forms/application.h"

namespace forms {

void Application::Render() {
  for (Form* form : loaded_) {
    if (form->window == 0 || !form->Visible() || !form->NeedsPaint()) continue;
    Canvas* frame = platform_.FrameBuffer(form->window, form->width_px, form->height_px);
    if (frame != nullptr) platform_.Present(form->window, form->PaintFrame(*frame));
  }
  UpdateHiddenFrames();
}

// Hidden: a full-screen modal form loaded after it has been drawn over it.
bool Application::HiddenUnderModal(const Form& form) const {
  const auto order = [this](const Form* f) { return std::find(loaded_.begin(), loaded_.end(), f); };
  for (const Form* modal : modal_stack_) {
    if (modal == &form || modal == leaving_ || !modal->Maximised() || !modal->Visible()) continue;
    if (modal->Drawn() && order(modal) > order(&form)) return true;
  }
  return false;
}

void Application::UpdateHiddenFrames() {
  for (Form* form : loaded_) {
    if (form->window == 0) continue;
    const bool hidden = HiddenUnderModal(*form);
    if (hidden == form->FrameHidden()) continue;
    if (hidden) platform_.ReleaseFrameBuffer(form->window);
    form->SetFrameHidden(hidden);
  }
}

const Canvas* Application::FrameOf(const Form& form) const {
  return platform_.FrameBuffer(form.window, form.width_px, form.height_px);
}

}  // namespace forms
