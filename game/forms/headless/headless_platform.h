// The headless platform for tests: no windows, a virtual clock, scripted input, recorded services.
#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "game/forms/platform.h"

namespace forms {

// Thrown from WaitEvent when the test harness ends the run; not an error of the program, so
// no handler traps it and Application::Run lets it pass.
struct HeadlessShutdown {};

class HeadlessPlatform : public Platform {
 public:
  HeadlessPlatform(int width_px = 1024, int height_px = 768, int twips_per_pixel = 15);

  // What the program did, for tests to read while the program waits for input.
  struct MessageBoxRecord {
    std::string caption, text;
  };
  struct WindowRecord {
    WindowSpec spec;
    bool visible = false;
    bool alive = true;
    const Picture* cursor = nullptr;  // identity only: the form keeps the picture
    int presents = 0;
  };
  std::vector<MessageBoxRecord> message_boxes;
  bool keyboard_grabbed = false;
  long long presents = 0;
  long long presented_pixels = 0;
  std::vector<PixelRect> last_present;  // the areas of the latest present

  // Settings, before the program starts.
  std::string app_folder;
  // Further displays beside the primary one (which has the constructor's size, at 0, 0).
  std::vector<PixelRect> other_displays;
  int windows_allowed = -1;              // how many more windows can be created; -1: any number
  double clock_start_seconds = 36000.0;  // seconds since midnight at virtual time 0

  const WindowRecord* Window(WindowId window) const;
  WindowId ActiveWindow() const;  // the newest window still open, covers aside: where keys go
  WindowId focused = 0;           // the window shown or focused last, covers never

  // The harness side: called from the test thread.
  void Push(const Event& event);  // queues input and returns when the program is idle
  void Post(const Event& event);  // queues input and returns at once (either thread)
  void Advance(double ms);        // lets virtual time pass; returns when the program is idle
  void WaitIdle();
  void Shutdown();      // makes the waiting program leave its loop (HeadlessShutdown)
  void MarkFinished();  // the program's thread has ended
  // From the program's thread: a handler that takes this long (time jumps ahead at once).
  void Spend(double ms);

  // Platform.
  PixelRect DisplayBounds() override { return {0, 0, width_, height_}; }
  std::vector<PixelRect> Displays() override;
  int TwipsPerPixel() override { return twips_per_pixel_; }
  WindowId CreateWindow(const WindowSpec& spec) override;
  void DestroyWindow(WindowId window) override;
  void ShowWindow(WindowId window, bool visible) override;
  Canvas* FrameBuffer(WindowId window, int width, int height) override;
  void Present(WindowId window, const std::vector<PixelRect>& dirty) override;
  void ReleaseFrameBuffer(WindowId window) override;
  long long FrameBytes() const;    // the memory of every frame held now
  long long peak_frame_bytes = 0;  // the most FrameBytes ever was; tests may reset it
  void SetCursor(WindowId window, const Picture* cursor) override;
  void FocusWindow(WindowId window) override;
  void SetKeyboardGrab(bool grab) override { keyboard_grabbed = grab; }
  bool WaitEvent(Event& event, double deadline_ms) override;
  double NowMs() override;
  double SecondsSinceMidnight() override;
  std::string AppFolder() override { return app_folder; }
  void MessageBox(const std::string& caption, const std::string& text) override;

 private:
  int width_, height_, twips_per_pixel_;
  std::map<WindowId, WindowRecord> windows_;
  std::map<WindowId, std::unique_ptr<Canvas>> frames_;
  WindowId next_window_ = 1;

  std::mutex mutex_;
  std::condition_variable ui_wake_, test_wake_;
  std::deque<Event> queue_;
  double now_ms_ = 0;      // virtual time
  double allowed_ms_ = 0;  // how far the test lets time run
  bool idle_ = false;      // the program waits for input or time
  bool finished_ = false;
  bool shutdown_ = false;
};

}  // namespace forms
