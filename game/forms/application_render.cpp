// Drawing: each visible form repaints its changed areas in z-order and presents only those;
// a form hidden under a full-screen modal form holds no frame.
#include <algorithm>

#include "game/forms/application.h"

namespace forms {
namespace {

void PaintChildren(const Container& container, Canvas& canvas, const PixelRect& clip) {
  for (Control* child : container.Children()) {
    if (!child->Visible()) continue;
    const PixelRect area = Intersect(child->BoundsOnForm(), clip);
    if (area.Empty()) continue;
    child->Paint(canvas, area);
    if (const auto* frame = dynamic_cast<const Frame*>(child)) {
      PaintChildren(*frame, canvas, area);
    }
  }
}

}  // namespace

void Application::Render() {
  // Hidden forms give their frames back before a form takes its own: a screen switch never
  // holds two full-screen frames at once.
  UpdateHiddenFrames();
  for (Form* form : loaded_) {
    if (form->window == 0 || form->leaving_ || !form->Visible() || form->dirty_.empty()) continue;
    Canvas* frame = platform_.FrameBuffer(form->window, form->width_px, form->height_px);
    if (frame == nullptr) continue;
    if (frame->Pixels() != form->drawn_into_) {  // a new frame holds nothing yet
      form->drawn_into_ = frame->Pixels();
      form->dirty_.assign(1, frame->Bounds());
    }
    for (const PixelRect& area : form->dirty_) {
      frame->Fill(area, area, ResolveColor(form->BackColor()));
      PaintChildren(*form, *frame, area);
    }
    platform_.Present(form->window, form->dirty_);
    form->dirty_.clear();
  }
}

// Hidden: a full-screen modal form loaded after it has its window over it. Until its first
// frame is presented that window keeps what was on the screen (no background is painted).
bool Application::HiddenUnderModal(const Form& form) const {
  const auto order = [this](const Form* f) { return std::find(loaded_.begin(), loaded_.end(), f); };
  for (const Form* modal : modal_stack_) {
    if (modal == &form || modal->leaving_ || !modal->maximised_ || !modal->Visible()) continue;
    if (modal->window != 0 && order(modal) > order(&form)) return true;
  }
  return false;
}

void Application::UpdateHiddenFrames() {
  for (Form* form : loaded_) {
    if (form->window == 0 || form->leaving_) continue;
    const bool hidden = HiddenUnderModal(*form);
    if (hidden == form->frame_released_) continue;
    if (hidden) {
      ReleaseFrame(*form);
    } else {
      form->frame_released_ = false;
      form->InvalidateAll();
    }
  }
}

void Application::ReleaseFrame(Form& form) {
  platform_.ReleaseFrameBuffer(form.window);
  for (const auto& control : form.controls_) control->ReleaseDrawingCaches();
  form.dirty_.clear();
  form.drawn_into_ = nullptr;
  form.frame_released_ = true;
}

const Canvas* Application::FrameOf(const Form& form) const {
  if (!form.loaded_ || form.window == 0 || form.frame_released_) return nullptr;
  return platform_.FrameBuffer(form.window, form.width_px, form.height_px);
}

}  // namespace forms
