// The scenario harness: runs the real event loop on a UI thread over the headless platform.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "game/forms/application.h"
#include "game/forms/form.h"
#include "game/forms/headless/headless_platform.h"
#include "game/lockdown/headless/headless_companion.h"
#include "game/lockdown/headless/headless_keyboard_lock.h"
#include "game/sound/wave_output_headless.h"

namespace wobtest {

// A test acts only while the program waits for input or time, so between calls it may read
// forms and controls directly. Virtual time passes only in Advance.
class Scenario {
 public:
  explicit Scenario(int width_px = 1024, int height_px = 768, int twips_per_pixel = 15);
  ~Scenario();  // ends the program's thread even when forms are still loaded
  Scenario(const Scenario&) = delete;
  Scenario& operator=(const Scenario&) = delete;

  forms::HeadlessPlatform& Platform() { return *platform_; }
  forms::Application& App() { return *app_; }
  // The services beside the runtime, recording what the program asked of them.
  sound::HeadlessWaveOutput& Sound() { return sound_; }
  lockdown::HeadlessKeyboardLock& Keyboard() { return keyboard_; }
  lockdown::HeadlessCompanion& Companion() { return companion_; }
  // The keyboard lock's and the companion's calls, in the order the program made them.
  const std::vector<std::string>& LockdownCalls() const { return lockdown_calls_; }

  // A form owned by the scenario, constructed as F(App(), args...); it lives until the
  // program's thread has ended.
  template <class F, class... Args>
  F& Make(Args&&... args) {
    auto form = std::make_unique<F>(*app_, std::forward<Args>(args)...);
    F& ref = *form;
    forms_.push_back(std::move(form));
    return ref;
  }

  void Start(forms::Form& startup);  // runs App().Run(startup); returns when the program idles
  void Advance(double ms);           // virtual time passes, timers fire; returns when idle

  void KeyDown(int vk, int shift = 0);
  void KeyUp(int vk, int shift = 0);
  void Char(int ch);
  void Press(int vk, int ch, int shift = 0);  // key down, its character (if ch != 0), key up

  // Mouse at a control's centre, or at client pixels of a form.
  void MouseDown(const forms::Control& c, int button = 1, int shift = 0);
  void MouseUp(const forms::Control& c, int button = 1, int shift = 0);
  void Click(const forms::Control& c, int button = 1);
  void MouseMoveTo(const forms::Form& f, int x_px, int y_px, int buttons = 0);
  void MouseDownAt(const forms::Form& f, int x_px, int y_px, int button = 1, int shift = 0);
  void MouseUpAt(const forms::Form& f, int x_px, int y_px, int button = 1, int shift = 0);

  bool Finished() const { return finished_; }  // the last form unloaded, or an untrapped error
  int ExitCode() const { return exit_code_; }

  void SavePng(const forms::Form& f, const std::string& path);

 private:
  void Send(forms::Event::Kind kind, forms::WindowId window, int x, int y, int button, int shift);
  void SendKey(forms::Event::Kind kind, int vk, int shift);

  std::unique_ptr<forms::HeadlessPlatform> platform_;
  std::unique_ptr<forms::Application> app_;
  sound::HeadlessWaveOutput sound_;
  std::vector<std::string> lockdown_calls_;
  lockdown::HeadlessKeyboardLock keyboard_;
  lockdown::HeadlessCompanion companion_;
  std::vector<std::unique_ptr<forms::Form>> forms_;
  std::thread ui_;
  std::atomic<bool> finished_{false};
  std::atomic<int> exit_code_{0};
};

std::string AppDir();       // the build's app folder with the generated assets
std::string CopyAppDir();   // a fresh temporary copy, for tests that delete or corrupt files
std::string MakeTempDir();  // an empty temporary folder, removed when the test program ends

}  // namespace wobtest
