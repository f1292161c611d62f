// Drawing: each visible form repaints its changed areas and presents only those; a form hidden
// under a full-screen modal form holds no frame.
#include <algorithm>

#include "game/forms/application.h"

namespace forms {

void Application::Render() {
  // Hidden forms give their frames back before a form takes its own: a screen switch never
  // holds two full-screen frames at once.
  UpdateHiddenFrames();
  for (Form* form : loaded_) {
    if (form->window == 0 || form == leaving_ || !form->Visible() || !form->NeedsPaint()) continue;
    Canvas* frame = platform_.FrameBuffer(form->window, form->width_px, form->height_px);
    if (frame != nullptr) platform_.Present(form->window, form->PaintFrame(*frame));
  }
}

// Hidden: a full-screen modal form loaded after it has its window over it. Until its first
// frame is presented that window keeps what was on the screen (no background is painted).
bool Application::HiddenUnderModal(const Form& form) const {
  const auto order = [this](const Form* f) { return std::find(loaded_.begin(), loaded_.end(), f); };
  for (const Form* modal : modal_stack_) {
    if (modal == &form || modal == leaving_ || !modal->Maximised() || !modal->Visible()) continue;
    if (modal->window != 0 && order(modal) > order(&form)) return true;
  }
  return false;
}

void Application::UpdateHiddenFrames() {
  for (Form* form : loaded_) {
    if (form->window == 0 || form == leaving_) continue;
    const bool hidden = HiddenUnderModal(*form);
    if (hidden == form->FrameHidden()) continue;
    if (hidden) {
      HideFrame(*form);
    } else {
      form->SetFrameHidden(false);
    }
  }
}

void Application::HideFrame(Form& form) {
  platform_.ReleaseFrameBuffer(form.window);
  form.SetFrameHidden(true);
}

const Canvas* Application::FrameOf(const Form& form) const {
  return platform_.FrameBuffer(form.window, form.width_px, form.height_px);
}

}  // namespace forms
