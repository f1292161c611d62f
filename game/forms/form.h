// A form: a window with named controls, its event handlers, and state that outlives unloading.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/forms/controls.h"
#include "game/forms/errors.h"
#include "game/forms/input.h"

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

  // Window properties, set in the constructor: the runtime reads them when it opens the window.
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  const std::string& Caption() const { return caption_; }
  void SetMaximised(bool maximised) { maximised_ = maximised; }
  bool Maximised() const { return maximised_; }
  // A fixed, centred window with this client size in twips (when not maximised).
  void SetClientSize(float width_twips, float height_twips);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color color);
  // Every form sees every key first, whichever control has the focus: key preview is always on.
  bool KeyPreview() const { return true; }
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
  const std::vector<std::unique_ptr<Control>>& AllControls() const { return controls_; }

  // Event handlers, named as the game names them.
  virtual void Form_Load() {}
  virtual void Form_Resize() {}
  virtual void Form_KeyDown(int key_code, int shift) { (void)key_code, (void)shift; }
  virtual void Form_KeyUp(int key_code, int shift) { (void)key_code, (void)shift; }
  virtual void Form_KeyPress(int key_ascii) { (void)key_ascii; }
  virtual void Form_Unload() {}

  // The runtime's side: what the Application asks of a form.
  // Designs and loads it, at the display's size when maximised (display: pixels).
  void Load(const PixelRect& display);
  // Destroys its controls and forgets its window and drawing; the form object and its members
  // stay.
  void Release();
  WindowSpec WindowWanted() const;
  void Resize(int width_px, int height_px);  // the window's client area changed size
  const Picture* Cursor() const;             // the window's cursor; nullptr: the default arrow
  // Its timers, looked up again only after controls came or went: the loop checks them at
  // every turn.
  const std::vector<Timer*>& Timers() const;

  // Drawing. The areas to repaint, pixels; PaintFrame draws them into the window's frame and
  // hands them over to be presented.
  bool NeedsPaint() const { return !dirty_.empty(); }
  std::vector<PixelRect> PaintFrame(Canvas& frame);
  // Hidden under a full-screen modal form, a form holds no frame: it lets go of what only
  // speeds up drawing, and is drawn whole when it is seen again.
  bool FrameHidden() const { return frame_hidden_; }
  void SetFrameHidden(bool hidden);
  // What the form shows, as last drawn; nullptr while it has no frame. For tests and snapshots.
  const Canvas* Drawing() const;
  // Marks an area (pixels) for repainting at the next turn of the loop.
  void Invalidate(const PixelRect& rect);
  void InvalidateAll() { Invalidate({0, 0, width_px, height_px}); }

  // Mouse input, pixels on the form: the control under the pointer, or the one that got the
  // mouse down, gets the event; a left button let go over that control clicks it.
  void MouseDown(const Event& event);
  void MouseUp(const Event& event);
  void MouseMove(const Event& event);
  void LetGoOfMouse();  // a form shown modally above takes the mouse: nothing stays held here

  // The window and its client size in pixels while loaded (window 0 before it opens).
  WindowId window = 0;
  int width_px = 0, height_px = 0;

 protected:
  // Creates the controls with their design-time properties; runs at every load, before
  // Form_Load. The pointers it keeps are valid while the form is loaded.
  virtual void Design() = 0;
  template <class T, class... Args>
  T& Add(const std::string& name, Container* parent, Args&&... args);

 private:
  Control& Adopt(std::unique_ptr<Control> control);
  void DestroyControls();
  MouseArgs ArgsFor(const Control& control, const Event& event) const;

  Application& app_;
  bool loaded_ = false;
  bool visible_ = true;
  std::string caption_;
  bool maximised_ = false;
  float client_width_twips_ = 0, client_height_twips_ = 0;
  Color back_color_ = 0x8000000F;
  PictureRef mouse_icon_;
  int mouse_pointer_ = kPointerDefault;

  std::vector<PixelRect> dirty_;       // areas to repaint and present, pixels
  const std::uint32_t* drawn_into_{};  // the frame last drawn into: another one starts blank
  bool frame_hidden_ = false;          // hidden under a full-screen modal form, no frame held
  mutable std::vector<Timer*> timers_;
  mutable bool timers_stale_ = true;
  std::vector<std::unique_ptr<Control>> controls_;  // every control, any depth
  Control* mouse_capture_ = nullptr;
  int mouse_buttons_ = 0;  // buttons held since the capturing mouse down
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
