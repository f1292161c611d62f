// Control geometry in twips stored as whole pixels, visibility, and repaint requests.
#include "game/forms/control.h"

#include <algorithm>
#include <cmath>

#include "game/forms/application.h"
#include "game/forms/form.h"

namespace forms {

Control::Control(Form& form, std::string name, Container* parent)
    : form_(form), name_(std::move(name)), parent_(parent) {}

Control::~Control() = default;

int Control::TwipsPerPixel() const {
  return form_.App().TwipsPerPixel();
}

float Control::Left() const {
  return static_cast<float>(left_px_ * TwipsPerPixel());
}
float Control::Top() const {
  return static_cast<float>(top_px_ * TwipsPerPixel());
}
float Control::Width() const {
  return static_cast<float>(width_px_ * TwipsPerPixel());
}
float Control::Height() const {
  return static_cast<float>(height_px_ * TwipsPerPixel());
}

void Control::SetPixels(int& field, float twips, bool size) {
  // Clamped first: a huge or non-finite value must not overflow the pixel integer.
  double px = std::isfinite(twips) ? std::round(static_cast<double>(twips) / TwipsPerPixel()) : 0;
  px = std::clamp(px, -1.0e7, 1.0e7);
  int value = static_cast<int>(px);
  if (size) value = std::max(value, 0);
  if (value == field) return;
  Invalidate();
  field = value;
  Invalidate();
}

void Control::SetLeft(float twips) {
  SetPixels(left_px_, twips, false);
}
void Control::SetTop(float twips) {
  SetPixels(top_px_, twips, false);
}
void Control::SetWidth(float twips) {
  SetPixels(width_px_, twips, true);
}
void Control::SetHeight(float twips) {
  SetPixels(height_px_, twips, true);
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  form_.Invalidate(BoundsOnForm());
}

PixelRect Control::BoundsOnForm() const {
  PixelRect r = BoundsPx();
  for (auto* c = dynamic_cast<const Control*>(parent_); c != nullptr;
       c = dynamic_cast<const Control*>(c->Parent())) {
    r.x += c->left_px_;
    r.y += c->top_px_;
  }
  return r;
}

void Control::Invalidate() {
  if (visible_) form_.Invalidate(BoundsOnForm());
}

Control* Control::HitTest(int x, int y) {
  return visible_ && TakesMouse() && BoundsOnForm().Contains(x, y) ? this : nullptr;
}

void Container::RemoveChild(Control* child) {
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

Control* Container::ControlAt(int x, int y) const {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    if (Control* hit = (*it)->HitTest(x, y)) return hit;
  }
  return nullptr;
}

void Container::PaintChildren(Canvas& canvas, const PixelRect& clip) const {
  for (Control* child : children_) {
    if (!child->Visible()) continue;
    const PixelRect area = Intersect(child->BoundsOnForm(), clip);
    if (!area.Empty()) child->Paint(canvas, area);
  }
}

}  // namespace forms
