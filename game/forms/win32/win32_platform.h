// forms::Platform on Win32: popup windows, the message loop, and the Windows services.
#pragma once

#include <deque>
#include <map>
#include <memory>

#include "game/forms/platform.h"
#include "game/sound/wave_output_win32.h"

namespace forms {

class Win32Window;

class Win32Platform : public Platform {
 public:
  Win32Platform();
  ~Win32Platform() override;

  PixelRect DisplayBounds() override;
  int TwipsPerPixel() override;

  WindowId CreateWindow(const WindowSpec& spec) override;
  void DestroyWindow(WindowId window) override;
  void ShowWindow(WindowId window, bool visible) override;
  void Present(WindowId window, const Canvas& canvas, const std::vector<PixelRect>& dirty) override;
  void SetCursor(WindowId window, const Picture* cursor) override;

  bool WaitEvent(Event& event, double deadline_ms) override;
  double NowMs() override;
  double SecondsSinceMidnight() override;

  std::string AppFolder() override;  // UTF-8
  void MessageBox(const std::string& caption, const std::string& text) override;
  bool StartProgram(const std::string& path, int window_style) override;
  bool UsesCompanion() override { return true; }
  std::optional<std::vector<std::string>> ListProcesses() override;
  bool CloseWindowOfClass(const std::string& window_class) override;
  std::intptr_t InstallKeyboardHook() override;
  void RemoveKeyboardHook(std::intptr_t handle) override;
  sound::WaveOutput& Sound() override { return sound_; }

 private:
  Win32Window* Find(WindowId window);
  bool PumpOne();  // dispatches one waiting message; false when none waits
  void WaitForInput(double deadline_ms);

  std::map<WindowId, std::unique_ptr<Win32Window>> windows_;
  WindowId next_window_ = 1;
  std::deque<Event> events_;  // translated by the window procedures, oldest first
  sound::Win32WaveOutput sound_;
  double ms_per_count_ = 0;  // QueryPerformanceCounter's period in milliseconds
};

}  // namespace forms
