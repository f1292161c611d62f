// The Linux platform: SDL2 windows, input and clock behind the forms Platform interface.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/forms/platform.h"
#include "game/forms/sdl/sdl_event_translator.h"

struct SDL_Cursor;
struct SDL_KeyboardEvent;

namespace forms {

class SdlCursorCache;
class SdlWindow;
class WaylandShortcuts;

class SdlPlatform : public Platform {
 public:
  // Throws std::runtime_error with a readable message when SDL cannot start its video
  // (for example when there is no display).
  SdlPlatform();
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  // The SDL video driver that runs: "x11", "wayland", or a test's choice.
  const std::string& VideoDriver() const { return video_driver_; }

  PixelRect DisplayBounds() override;
  std::vector<PixelRect> Displays() override;
  int TwipsPerPixel() override;

  WindowId CreateWindow(const WindowSpec& spec) override;
  void DestroyWindow(WindowId window) override;
  void ShowWindow(WindowId window, bool visible) override;
  Canvas* FrameBuffer(WindowId window, int width, int height) override;
  void Present(WindowId window, const std::vector<PixelRect>& dirty) override;
  void ReleaseFrameBuffer(WindowId window) override;
  void SetCursor(WindowId window, const Picture* cursor) override;
  void FocusWindow(WindowId window) override;
  void SetKeyboardGrab(bool grab) override;

  bool WaitEvent(Event& event, double deadline_ms) override;
  double NowMs() override;
  double SecondsSinceMidnight() override;

  std::string AppFolder() override;
  void MessageBox(const std::string& caption, const std::string& text) override;

 private:
  SdlWindow* Find(WindowId window);
  WindowId FromSdlId(std::uint32_t sdl_window_id);
  WindowId TopWindow() const;
  void FocusTopWindow();
  void GrabWindows(bool grab);
  void InhibitShortcutsOf(SdlWindow& window, WindowId id);
  bool NextNativeEvent(SDL_Event& native, double deadline_ms);
  void Observe(const SDL_Event& native);
  void ObserveKeyUp(const SDL_KeyboardEvent& key);
  bool ShrinkOfHiddenWindow(const SDL_Event& native);
  void Trace(const std::string& line);

  std::uint64_t counter_start_ = 0, counter_frequency_ = 1;
  double last_pump_ms_ = -1e9;  // when the display was last asked for input
  std::map<WindowId, std::unique_ptr<SdlWindow>> windows_;
  std::map<WindowId, SDL_Cursor*> window_cursors_;
  std::vector<WindowId> shown_order_;  // visible windows, the top one last
  WindowId next_window_ = 1;
  std::unique_ptr<SdlCursorCache> cursors_;
  std::unique_ptr<WaylandShortcuts> wayland_shortcuts_;  // bound at the first Wayland window
  SdlEventTranslator translator_;
  std::deque<Event> pending_;
  std::string video_driver_;
  bool keyboard_grab_ = false;
  bool trace_ = false;  // WOB_TRACE=1: windows, presents and key-downs on stderr
};

}  // namespace forms
