// The scenario harness: the program's UI thread, scripted input and snapshots.
#include "tests/lib/scenario.h"

#include "tests/lib/image_files.h"

namespace wobtest {

using forms::Event;

Scenario::Scenario(int width_px, int height_px, int twips_per_pixel)
    : platform_(std::make_unique<forms::HeadlessPlatform>(width_px, height_px, twips_per_pixel)),
      app_(std::make_unique<forms::Application>(*platform_)) {
  platform_->app_folder = AppDir();
  keyboard_.calls = &lockdown_calls_;
  companion_.calls = &lockdown_calls_;
}

Scenario::~Scenario() {
  if (ui_.joinable()) {
    if (!finished_) platform_->Shutdown();
    ui_.join();
  }
  forms_.clear();
}

void Scenario::Start(forms::Form& startup) {
  ui_ = std::thread([this, &startup] {
    try {
      exit_code_ = app_->Run(startup);
    } catch (const forms::HeadlessShutdown&) {
      exit_code_ = -1;
    }
    finished_ = true;
    platform_->MarkFinished();
  });
  platform_->WaitIdle();
}

void Scenario::Advance(double ms) {
  platform_->Advance(ms);
}

void Scenario::Send(Event::Kind kind, forms::WindowId window, int x, int y, int button, int shift) {
  Event event;
  event.kind = kind;
  event.window = window;
  event.x = x;
  event.y = y;
  event.button = button;
  event.shift = shift;
  platform_->Push(event);
}

void Scenario::SendKey(Event::Kind kind, int vk, int shift) {
  Event event;
  event.kind = kind;
  event.window = platform_->ActiveWindow();
  event.key = vk;
  event.shift = shift;
  platform_->Push(event);
}

void Scenario::KeyDown(int vk, int shift) {
  SendKey(Event::Kind::kKeyDown, vk, shift);
}

void Scenario::KeyUp(int vk, int shift) {
  SendKey(Event::Kind::kKeyUp, vk, shift);
}

void Scenario::Char(int ch) {
  Event event;
  event.kind = Event::Kind::kChar;
  event.window = platform_->ActiveWindow();
  event.ch = ch;
  platform_->Push(event);
}

void Scenario::Press(int vk, int ch, int shift) {
  KeyDown(vk, shift);
  if (ch != 0) Char(ch);
  KeyUp(vk, shift);
}

void Scenario::MouseDown(const forms::Control& c, int button, int shift) {
  const forms::PixelRect box = c.BoundsOnForm();
  MouseDownAt(c.Owner(), box.x + box.w / 2, box.y + box.h / 2, button, shift);
}

void Scenario::MouseUp(const forms::Control& c, int button, int shift) {
  const forms::PixelRect box = c.BoundsOnForm();
  MouseUpAt(c.Owner(), box.x + box.w / 2, box.y + box.h / 2, button, shift);
}

void Scenario::Click(const forms::Control& c, int button) {
  // The window is read before the down: a handler may unload the form.
  const forms::Form& form = c.Owner();
  const forms::PixelRect box = c.BoundsOnForm();
  const forms::WindowId window = form.window;
  Send(Event::Kind::kMouseDown, window, box.x + box.w / 2, box.y + box.h / 2, button, 0);
  Send(Event::Kind::kMouseUp, window, box.x + box.w / 2, box.y + box.h / 2, button, 0);
}

void Scenario::MouseMoveTo(const forms::Form& f, int x_px, int y_px, int buttons) {
  Send(Event::Kind::kMouseMove, f.window, x_px, y_px, buttons, 0);
}

void Scenario::MouseDownAt(const forms::Form& f, int x_px, int y_px, int button, int shift) {
  Send(Event::Kind::kMouseDown, f.window, x_px, y_px, button, shift);
}

void Scenario::MouseUpAt(const forms::Form& f, int x_px, int y_px, int button, int shift) {
  Send(Event::Kind::kMouseUp, f.window, x_px, y_px, button, shift);
}

void Scenario::SavePng(const forms::Form& f, const std::string& path) {
  if (!f.Drawing()) return;
  const forms::Canvas& canvas = *f.Drawing();
  std::vector<std::uint32_t> pixels(
      canvas.Pixels(),
      canvas.Pixels() + static_cast<std::size_t>(canvas.Width()) * canvas.Height());
  WritePng(path, canvas.Width(), canvas.Height(), pixels);
}

}  // namespace wobtest
