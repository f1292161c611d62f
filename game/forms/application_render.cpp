// Drawing: each visible form repaints its changed areas in z-order and presents only those.
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
  for (Form* form : loaded_) {
    if (form->window == 0 || !form->Visible() || form->dirty_.empty()) continue;
    for (const PixelRect& area : form->dirty_) {
      form->canvas_->Fill(area, area, ResolveColor(form->BackColor()));
      PaintChildren(*form, *form->canvas_, area);
    }
    platform_.Present(form->window, *form->canvas_, form->dirty_);
    form->dirty_.clear();
  }
}

}  // namespace forms
