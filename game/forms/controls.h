// The control kinds the game's screens use: image, label, command button, frame, picture box,
// timer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/forms/control.h"
#include "game/forms/picture.h"

namespace forms {

class DrawingSurface;

// An image control: shows a picture, stretched to its size when Stretch is on.
class Image : public Control {
 public:
  using Control::Control;
  const PictureRef& Picture() const { return picture_; }
  void SetPicture(PictureRef picture);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  void SetBorderStyle(int style);      // 0 none, 1 fixed single
  void SetAppearance(int appearance);  // 0 flat, 1 3D
  void Paint(Canvas& canvas, const PixelRect& clip) override;
  void ReleaseDrawingCaches() override { scaled_.reset(); }

 private:
  const std::uint32_t* Scaled(int width, int height);
  void DrawPixels(Canvas& canvas, const PixelRect& clip, const std::uint32_t* pixels, int x, int y,
                  int width, int height) const;
  PictureRef picture_;
  bool stretch_ = false;
  int border_style_ = 0;
  int appearance_ = 0;
  // The picture at the control's size, held so that a redraw is a copy; shared with the
  // scaled-picture cache.
  PictureRef scaled_source_;
  int scaled_width_ = 0, scaled_height_ = 0;
  std::shared_ptr<const std::vector<std::uint32_t>> scaled_;
};

enum class Alignment { kLeft, kRight, kCentre };

// A label: text in Liberation Sans Bold at a size in points.
class Label : public Control {
 public:
  using Control::Control;
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  float FontSize() const { return font_size_; }  // points
  void SetFontSize(float points);
  void SetAlignment(Alignment alignment);
  void SetForeColor(Color color);
  void SetBackColor(Color color);
  void SetTransparent(bool transparent);  // back style: no background drawn
  // Auto size: the label's width and height follow its text; a right-aligned label keeps
  // its right edge, a left-aligned one its left edge.
  void SetAutoSize(bool auto_size);
  void Paint(Canvas& canvas, const PixelRect& clip) override;
  bool TakesMouse() const override { return true; }

 private:
  void FitToText();
  float PixelSize() const;  // the em height in pixels
  std::string caption_;
  float font_size_ = 8.25f;
  Alignment alignment_ = Alignment::kLeft;
  Color fore_color_ = 0x000000, back_color_ = 0xC0C0C0;
  bool transparent_ = false;
  bool auto_size_ = false;
};

// A push button with a caption, drawn in the classic raised style and sunken while held.
// It acts only through its mouse events: Space and Enter do nothing.
class CommandButton : public Control {
 public:
  using Control::Control;
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  void SetFontSize(float points);
  void SetPressed(bool pressed);  // the sunken look while a mouse button holds it
  bool Pressed() const { return pressed_; }
  void Paint(Canvas& canvas, const PixelRect& clip) override;
  void ShowHeld(bool held) override { SetPressed(held); }

 private:
  void PaintBevel(Canvas& canvas, const PixelRect& box, const PixelRect& clip) const;
  std::string caption_;
  float font_size_ = 8.25f;
  bool pressed_ = false;
};

// A frame: a container with a background colour and no caption or border. It paints and
// hit-tests its children within its own bounds.
class Frame : public Control, public Container {
 public:
  using Control::Control;
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color color);
  void Paint(Canvas& canvas, const PixelRect& clip) override;
  Control* HitTest(int x, int y) override;

 private:
  Color back_color_ = 0xC0C0C0;
};

// A picture box that keeps what is drawn on it: round dots of the draw width, erased by
// setting the background colour.
class PictureBox : public Control {
 public:
  PictureBox(Form& form, std::string name, Container* parent);
  ~PictureBox() override;
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color color);                // erases every drawing
  int DrawWidth() const { return draw_width_; }  // pixels
  void SetDrawWidth(int pixels);
  // One filled round dot of the draw width centred at (x, y) twips, clipped to the box.
  void PSet(float x, float y, Color color);
  Color PixelAt(int x, int y) const;  // pixels, relative to the box; for tests and redraws
  // Whether a dot was drawn since the background colour was last set.
  bool HasDrawing() const { return has_drawing_; }
  // The drawing at the box's size, for keeping it; the background where nothing was drawn.
  std::unique_ptr<Canvas> Snapshot() const;
  void Paint(Canvas& canvas, const PixelRect& clip) override;

 private:
  void EnsureSurface();
  bool has_drawing_ = false;
  Color back_color_ = 0xFFFFFF;
  int draw_width_ = 1;
  std::unique_ptr<DrawingSurface> surface_;
};

// A timer: ticks every Interval milliseconds while enabled and its form is loaded. A tick never
// starts while the previous tick of the same timer still runs; a tick due meanwhile is dropped.
class Timer : public Control {
 public:
  Timer(Form& form, std::string name, Container* parent = nullptr);
  int Interval() const { return interval_ms_; }
  void SetInterval(int ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  std::function<void()> on_tick;
  void Paint(Canvas&, const PixelRect&) override {}
  bool TakesMouse() const override { return false; }

  // Runtime internals: the next tick's time (platform clock, ms) and whether a tick runs.
  double next_due_ms = 0;
  bool ticking = false;

 private:
  void Restart();
  int interval_ms_ = 0;
  bool enabled_ = false;
};

}  // namespace forms
