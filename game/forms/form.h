// A form: a window with named controls, its event handlers, and state that outlives unloading.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/forms/controls.h"
#include "game/forms/errors.h"

namespace forms {

class Application;

// Mouse pointer values.
constexpr int kPointerDefault = 0;
constexpr int kPointerCustom = 99;

class Form : public Container {
 public:
  explicit Form(Application& app);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Application& App() const { return app_; }
  bool Loaded() const { return loaded_; }

  // Window properties, set in Design() (the form's design-time look).
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  const std::string& Caption() const { return caption_; }
  void SetMaximised(bool maximised) { maximised_ = maximised; }
  // A fixed, centred window with this client size in twips (when not maximised).
  void SetClientSize(float width_twips, float height_twips);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color color);
  bool KeyPreview() const { return key_preview_; }
  void SetKeyPreview(bool on) { key_preview_ = on; }
  void SetMouseIcon(PictureRef icon);
  void SetMousePointer(int pointer);  // kPointerDefault or kPointerCustom
  const PictureRef& MouseIcon() const { return mouse_icon_; }
  int MousePointer() const { return mouse_pointer_; }

  // Outer size in twips, whole pixels. Borderless, so the client area has the same size.
  float Width() const;
  float Height() const;

  // The layout flag: while false, the form is not presented.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show();    // an ordinary non-modal show of the form itself (sets Visible)
  void Unload();  // destroys window and controls; the form object and its members stay

  // Controls by name. Get throws RuntimeError (control not found) for a missing name.
  Control* Find(const std::string& name) const;
  template <class T>
  T& Get(const std::string& name) const;
  // Adds a control at run time inside a container (nullptr: the form); it starts hidden.
  // Throws RuntimeError when the name is taken.
  Image& AddImage(const std::string& name, Container* parent);
  void Remove(const std::string& name);  // throws RuntimeError when there is no such control

  // Event handlers, named as the game names them.
  virtual void Form_Load() {}
  virtual void Form_Resize() {}
  virtual void Form_KeyDown(int key_code, int shift) { (void)key_code, (void)shift; }
  virtual void Form_KeyUp(int key_code, int shift) { (void)key_code, (void)shift; }
  virtual void Form_KeyPress(int key_ascii) { (void)key_ascii; }
  virtual void Form_Unload() {}

 protected:
  // Creates the controls with their design-time properties; runs at every load, before
  // Form_Load. The pointers it keeps are valid while the form is loaded.
  virtual void Design() = 0;
  template <class T, class... Args>
  T& Add(const std::string& name, Container* parent, Args&&... args);

 private:
  friend class Application;
  Control& Adopt(std::unique_ptr<Control> control);
  void DestroyControls();

  Application& app_;
  bool loaded_ = false;
  bool visible_ = true;
  std::string caption_;
  bool maximised_ = false;
  float client_width_twips_ = 0, client_height_twips_ = 0;
  Color back_color_ = 0x8000000F;
  bool key_preview_ = false;
  PictureRef mouse_icon_;
  int mouse_pointer_ = kPointerDefault;

  // The runtime's own: drawing and input routing.
  std::vector<PixelRect> dirty_;       // areas to repaint and present, pixels
  const std::uint32_t* drawn_into_{};  // the frame last drawn into: another one starts blank
  bool frame_released_ = false;        // hidden under a full-screen modal form, no frame held
  bool leaving_ = false;               // being unloaded: it hides nothing any more
  // Its timers, looked up again only after controls came or went: the loop checks them at
  // every turn.
  const std::vector<Timer*>& Timers() const;
  mutable std::vector<Timer*> timers_;
  mutable bool timers_stale_ = true;
  std::vector<std::unique_ptr<Control>> controls_;  // every control, any depth
  Control* mouse_capture_ = nullptr;
  int mouse_buttons_ = 0;  // buttons held since the capturing mouse down

 public:
  // The window and its client size in pixels while loaded (window 0 before it opens).
  WindowId window = 0;
  int width_px = 0, height_px = 0;
  // What the form shows, as last drawn; nullptr while it has no frame. For tests and snapshots.
  const Canvas* Drawing() const;
  const std::vector<std::unique_ptr<Control>>& AllControls() const { return controls_; }
  // Marks an area (pixels) for repainting at the next turn of the loop.
  void Invalidate(const PixelRect& rect);
  void InvalidateAll() { Invalidate({0, 0, width_px, height_px}); }
};

template <class T>
T& Form::Get(const std::string& name) const {
  auto* control = dynamic_cast<T*>(Find(name));
  if (control == nullptr) {
    throw RuntimeError(ErrorCode::kControlNotFound, "Control not found: " + name);
  }
  return *control;
}

template <class T, class... Args>
T& Form::Add(const std::string& name, Container* parent, Args&&... args) {
  return static_cast<T&>(
      Adopt(std::make_unique<T>(*this, name, parent ? parent : this, std::forward<Args>(args)...)));
}

}  // namespace forms
