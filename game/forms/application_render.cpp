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
    if (form->window == 0 || !form->Visible() || form->dirty.empty()) continue;
    for (const PixelRect& area : form->dirty) {
      form->canvas->Fill(area, area, ResolveColor(form->BackColor()));
      PaintChildren(*form, *form->canvas, area);
    }
    platform_.Present(form->window, *form->canvas, form->dirty);
    form->dirty.clear();
  }
}

}  // namespace forms
