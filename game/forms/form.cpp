// Form: window properties, load and release, the named controls, run-time additions and
// removals, repaint areas and painting.
#include "game/forms/form.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "game/forms/application.h"
#include "game/forms/ignore_case.h"

namespace forms {
namespace {

// Whether control lies inside ancestor (a frame), at any depth.
bool IsInside(const Control* control, const Control* ancestor) {
  for (Container* p = control->Parent(); p != nullptr;) {
    auto* c = dynamic_cast<Control*>(p);
    if (c == nullptr) return false;
    if (c == ancestor) return true;
    p = c->Parent();
  }
  return false;
}

constexpr std::size_t kMaxDirtyRects = 16;

int ToPixels(float twips, int tpp) {
  const double px = std::round(static_cast<double>(twips) / tpp);
  return static_cast<int>(std::clamp(px, 0.0, 100000.0));
}

}  // namespace

Form::Form(Application& app) : app_(app) {}

Form::~Form() {
  if (loaded_) app_.Discard(*this);
}

void Form::Load(const PixelRect& display) {
  loaded_ = true;
  // The size is taken after Design, so the window properties may be set there as well.
  Design();
  const int tpp = app_.TwipsPerPixel();
  width_px = maximised_ ? display.w : ToPixels(client_width_twips_, tpp);
  height_px = maximised_ ? display.h : ToPixels(client_height_twips_, tpp);
  dirty_.clear();
  InvalidateAll();
  Form_Load();
}

void Form::Release() {
  loaded_ = false;
  DestroyControls();
  window = 0;
  dirty_.clear();
  drawn_into_ = nullptr;
  frame_hidden_ = false;
}

WindowSpec Form::WindowWanted() const {
  WindowSpec spec;
  spec.caption = caption_;
  spec.width = width_px;
  spec.height = height_px;
  spec.maximised = maximised_;
  spec.centred = !maximised_;
  return spec;
}

void Form::Resize(int width, int height) {
  if (width == width_px && height == height_px) return;
  width_px = std::max(width, 0);
  height_px = std::max(height, 0);
  dirty_.clear();
  InvalidateAll();
  Form_Resize();
}

const Picture* Form::Cursor() const {
  return mouse_pointer_ == kPointerCustom && mouse_icon_ ? mouse_icon_.get() : nullptr;
}

void Form::SetClientSize(float width_twips, float height_twips) {
  client_width_twips_ = width_twips;
  client_height_twips_ = height_twips;
}

void Form::SetBackColor(Color color) {
  back_color_ = color;
  InvalidateAll();
}

void Form::SetMouseIcon(PictureRef icon) {
  mouse_icon_ = std::move(icon);
  app_.UpdateCursor(*this);
}

void Form::SetMousePointer(int pointer) {
  mouse_pointer_ = pointer;
  app_.UpdateCursor(*this);
}

float Form::Width() const {
  return static_cast<float>(width_px * app_.TwipsPerPixel());
}
float Form::Height() const {
  return static_cast<float>(height_px * app_.TwipsPerPixel());
}

void Form::SetVisible(bool visible) {
  visible_ = visible;
}
void Form::Show() {
  app_.Show(*this);
}
void Form::Unload() {
  app_.Unload(*this);
}

Control* Form::Find(const std::string& name) const {
  for (const auto& control : controls_) {
    if (SameIgnoringCase(control->Name(), name)) return control.get();
  }
  return nullptr;
}

const std::vector<Timer*>& Form::Timers() const {
  if (timers_stale_) {
    timers_.clear();
    for (const auto& control : controls_) {
      if (auto* timer = dynamic_cast<Timer*>(control.get())) timers_.push_back(timer);
    }
    timers_stale_ = false;
  }
  return timers_;
}

Control& Form::Adopt(std::unique_ptr<Control> control) {
  if (Find(control->Name()) != nullptr) {
    throw RuntimeError(ErrorCode::kNameInUse, "Name already in use: " + control->Name());
  }
  control->Parent()->AddChild(control.get());
  controls_.push_back(std::move(control));
  timers_stale_ = true;
  return *controls_.back();
}

Image& Form::AddImage(const std::string& name, Container* parent) {
  Image& image = Add<Image>(name, parent);
  image.SetVisible(false);
  return image;
}

void Form::Remove(const std::string& name) {
  Control* doomed = Find(name);
  if (doomed == nullptr) {
    throw RuntimeError(ErrorCode::kControlNotFound, "Control not found: " + name);
  }
  doomed->SetVisible(false);  // repaints the area it covered
  auto gone = [doomed](const std::unique_ptr<Control>& c) {
    return c.get() == doomed || IsInside(c.get(), doomed);
  };
  for (const auto& c : controls_) {
    if (!gone(c)) continue;
    c->Parent()->RemoveChild(c.get());
    if (mouse_capture_ == c.get()) mouse_capture_ = nullptr;
  }
  // Destroyed from the innermost outwards, so no control outlives the frame it names as parent.
  std::stable_partition(controls_.begin(), controls_.end(),
                        [&](const std::unique_ptr<Control>& c) { return !gone(c); });
  while (!controls_.empty() && gone(controls_.back())) controls_.pop_back();
  timers_stale_ = true;
}

void Form::DestroyControls() {
  mouse_capture_ = nullptr;
  mouse_buttons_ = 0;
  while (!controls_.empty()) controls_.pop_back();  // last added first: children before frames
  ClearChildren();
  timers_stale_ = true;
}

const Canvas* Form::Drawing() const {
  if (!loaded_ || window == 0 || frame_hidden_) return nullptr;
  return app_.FrameOf(*this);
}

std::vector<PixelRect> Form::PaintFrame(Canvas& frame) {
  if (frame.Pixels() != drawn_into_) {  // a new frame holds nothing yet
    drawn_into_ = frame.Pixels();
    dirty_.assign(1, frame.Bounds());
  }
  for (const PixelRect& area : dirty_) {
    frame.Fill(area, area, ResolveColor(back_color_));
    PaintChildren(frame, area);
  }
  return std::exchange(dirty_, {});
}

void Form::SetFrameHidden(bool hidden) {
  if (hidden == frame_hidden_) return;
  frame_hidden_ = hidden;
  if (!hidden) return InvalidateAll();
  for (const auto& control : controls_) control->ReleaseDrawingCaches();
  dirty_.clear();
  drawn_into_ = nullptr;
}

void Form::Invalidate(const PixelRect& rect) {
  if (!loaded_ || frame_hidden_) return;  // a released frame is drawn whole when it returns
  PixelRect r = Intersect(rect, {0, 0, width_px, height_px});
  if (r.Empty()) return;
  // Overlapping areas merge, so the list stays short and no pixel is presented twice.
  for (auto it = dirty_.begin(); it != dirty_.end();) {
    if (!Intersect(*it, r).Empty()) {
      r = Union(*it, r);
      it = dirty_.erase(it);
    } else {
      ++it;
    }
  }
  dirty_.push_back(r);
  if (dirty_.size() > kMaxDirtyRects) {
    PixelRect all{};
    for (const PixelRect& d : dirty_) all = Union(all, d);
    dirty_.assign(1, all);
  }
}

}  // namespace forms
