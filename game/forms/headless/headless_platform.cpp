// The headless platform: a virtual clock handed between the program's thread and the test's.
#include "game/forms/headless/headless_platform.h"

#include <algorithm>

#include "game/forms/canvas.h"

namespace forms {

HeadlessPlatform::HeadlessPlatform(int width_px, int height_px, int twips_per_pixel)
    : width_(width_px), height_(height_px), twips_per_pixel_(twips_per_pixel) {}

const HeadlessPlatform::WindowRecord* HeadlessPlatform::Window(WindowId window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

WindowId HeadlessPlatform::ActiveWindow() const {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    if (it->second.alive && !it->second.spec.cover) return it->first;
  }
  return 0;
}

std::vector<PixelRect> HeadlessPlatform::Displays() {
  std::vector<PixelRect> displays{DisplayBounds()};
  displays.insert(displays.end(), other_displays.begin(), other_displays.end());
  return displays;
}

WindowId HeadlessPlatform::CreateWindow(const WindowSpec& spec) {
  if (windows_allowed == 0) return 0;
  if (windows_allowed > 0) --windows_allowed;
  const WindowId id = next_window_++;
  windows_[id].spec = spec;
  return id;
}

void HeadlessPlatform::DestroyWindow(WindowId window) {
  auto it = windows_.find(window);
  if (it != windows_.end()) it->second.alive = false;
  frames_.erase(window);
}

void HeadlessPlatform::ShowWindow(WindowId window, bool visible) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  it->second.visible = visible;
  if (visible && !it->second.spec.cover) focused = window;
}

void HeadlessPlatform::FocusWindow(WindowId window) {
  auto it = windows_.find(window);
  if (it != windows_.end() && it->second.alive && !it->second.spec.cover) focused = window;
}

Canvas* HeadlessPlatform::FrameBuffer(WindowId window, int width, int height) {
  auto it = windows_.find(window);
  if (it == windows_.end() || !it->second.alive) return nullptr;
  std::unique_ptr<Canvas>& frame = frames_[window];
  if (!frame || frame->Width() != width || frame->Height() != height) {
    frame = std::make_unique<Canvas>(width, height);
    peak_frame_bytes = std::max(peak_frame_bytes, FrameBytes());
  }
  return frame.get();
}

void HeadlessPlatform::ReleaseFrameBuffer(WindowId window) {
  frames_.erase(window);
}

long long HeadlessPlatform::FrameBytes() const {
  long long bytes = 0;
  for (const auto& [window, frame] : frames_) {
    bytes += static_cast<long long>(frame->Width()) * frame->Height() * 4;
  }
  return bytes;
}

void HeadlessPlatform::Present(WindowId window, const std::vector<PixelRect>& dirty) {
  ++presents;
  for (const PixelRect& r : dirty) presented_pixels += static_cast<long long>(r.w) * r.h;
  last_present = dirty;
  auto it = windows_.find(window);
  if (it != windows_.end()) ++it->second.presents;
}

void HeadlessPlatform::SetCursor(WindowId window, const Picture* cursor) {
  auto it = windows_.find(window);
  if (it != windows_.end()) it->second.cursor = cursor;
}

void HeadlessPlatform::MessageBox(const std::string& caption, const std::string& text) {
  message_boxes.push_back({caption, text});
}

double HeadlessPlatform::NowMs() {
  std::lock_guard lock(mutex_);
  return now_ms_;
}

void HeadlessPlatform::Spend(double ms) {
  std::lock_guard lock(mutex_);
  now_ms_ += std::max(ms, 0.0);
  allowed_ms_ = std::max(allowed_ms_, now_ms_);
}

double HeadlessPlatform::SecondsSinceMidnight() {
  return clock_start_seconds + NowMs() / 1000.0;
}

bool HeadlessPlatform::WaitEvent(Event& event, double deadline_ms) {
  std::unique_lock lock(mutex_);
  for (;;) {
    if (shutdown_) throw HeadlessShutdown{};
    if (!queue_.empty()) {
      event = queue_.front();
      queue_.pop_front();
      return true;
    }
    if (deadline_ms <= now_ms_) return false;
    if (deadline_ms <= allowed_ms_) {
      now_ms_ = deadline_ms;
      return false;
    }
    // Nothing to do before the allowed time ends: time runs up to it and the test goes on.
    now_ms_ = std::max(now_ms_, allowed_ms_);
    idle_ = true;
    test_wake_.notify_all();
    ui_wake_.wait(lock, [&] { return !idle_; });
  }
}

void HeadlessPlatform::Post(const Event& event) {
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(event);
    idle_ = false;
  }
  ui_wake_.notify_all();
}

void HeadlessPlatform::Push(const Event& event) {
  Post(event);
  WaitIdle();
}

void HeadlessPlatform::Advance(double ms) {
  {
    std::lock_guard lock(mutex_);
    allowed_ms_ = std::max(allowed_ms_, now_ms_) + std::max(ms, 0.0);
    idle_ = false;
  }
  ui_wake_.notify_all();
  WaitIdle();
}

void HeadlessPlatform::WaitIdle() {
  std::unique_lock lock(mutex_);
  test_wake_.wait(lock, [&] { return idle_ || finished_; });
}

void HeadlessPlatform::Shutdown() {
  {
    std::lock_guard lock(mutex_);
    shutdown_ = true;
    idle_ = false;
  }
  ui_wake_.notify_all();
}

void HeadlessPlatform::MarkFinished() {
  {
    std::lock_guard lock(mutex_);
    finished_ = true;
  }
  test_wake_.notify_all();
}

}  // namespace forms
