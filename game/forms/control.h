// The base of every control: a name, a parent container, twips geometry, visibility, mouse events.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/forms/canvas.h"

namespace forms {

class Form;
class Container;

// Mouse event arguments: button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt;
// x and y in twips relative to the control's top-left corner.
struct MouseArgs {
  int button = 1;
  int shift = 0;
  float x = 0, y = 0;
};

class Control {
 public:
  Control(Form& form, std::string name, Container* parent);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  Form& Owner() const { return form_; }
  Container* Parent() const { return parent_; }

  // Geometry in twips, relative to the parent. A written value is stored rounded to whole
  // pixels (negative sizes become 0), so reading it back gives the display's value.
  float Left() const;
  float Top() const;
  float Width() const;
  float Height() const;
  void SetLeft(float twips);
  void SetTop(float twips);
  void SetWidth(float twips);
  void SetHeight(float twips);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  std::function<void(const MouseArgs&)> on_mouse_down;
  std::function<void(const MouseArgs&)> on_mouse_up;
  std::function<void(const MouseArgs&)> on_mouse_move;
  std::function<void()> on_click;

  // Runtime internals: pixel rectangle relative to the form's client area, drawing.
  PixelRect BoundsOnForm() const;
  PixelRect BoundsPx() const { return {left_px_, top_px_, width_px_, height_px_}; }  // in parent
  virtual void Paint(Canvas& canvas, const PixelRect& clip) = 0;
  // Lets go of what only speeds up drawing, while the form is hidden.
  virtual void ReleaseDrawingCaches() {}
  virtual bool TakesMouse() const { return true; }
  // The control at (x, y), pixels on the form: this one, one inside it, or nullptr.
  virtual Control* HitTest(int x, int y);
  // A mouse button holds the control (held), or let go of it or holds it from elsewhere.
  virtual void ShowHeld(bool held) { (void)held; }
  // Expires when the control is destroyed: the runtime checks it after calling a handler,
  // which may have removed the control or unloaded its form.
  std::weak_ptr<const bool> AliveToken() const { return alive_; }

 protected:
  void Invalidate();  // marks the control's area for repainting
  int TwipsPerPixel() const;

 private:
  void SetPixels(int& field, float twips, bool size);
  Form& form_;
  std::string name_;
  Container* parent_;
  int left_px_ = 0, top_px_ = 0, width_px_ = 0, height_px_ = 0;
  bool visible_ = true;
  std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

// A control that holds other controls (the form's client area, a frame).
class Container {
 public:
  virtual ~Container() = default;
  const std::vector<Control*>& Children() const { return children_; }
  void AddChild(Control* child) { children_.push_back(child); }
  void RemoveChild(Control* child);
  void ClearChildren() { children_.clear(); }
  Control* ControlAt(int x, int y) const;  // the topmost child there, or one inside it
  // Paints the visible children in z-order, each within its own bounds and the clip.
  void PaintChildren(Canvas& canvas, const PixelRect& clip) const;

 private:
  std::vector<Control*> children_;  // z-order: later children are drawn on top
};

}  // namespace forms
