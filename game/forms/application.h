// The event loop: forms shown modally or not, timers, DoEvents, and untrapped errors.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/forms/form.h"
#include "game/forms/monitor_covers.h"
#include "game/forms/platform.h"
#include "game/forms/random.h"

namespace forms {

struct Version {
  int major = 1, minor = 0, revision = 0;
};

class Application {
 public:
  explicit Application(Platform& platform, Version version = {});
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Shows the start-up form and runs until no form is loaded. Returns the exit code:
  // 0, or 1 after an untrapped error was shown in the runtime's message box.
  int Run(Form& startup);

  void Show(Form& form);       // loads it if needed and shows it; returns at once
  void ShowModal(Form& form);  // returns when the form unloads; forms below get no input
  void Unload(Form& form);     // runs its unload event, then discards it
  // Destroys a loaded form's window and controls at once, without its unload event: after an
  // untrapped error, or when the form object itself goes.
  void Discard(Form& form);
  void DoEvents();  // handles the waiting events and due timers, then returns

  std::string Path();  // the application folder, without a trailing separator
  const Version& AppVersion() const { return version_; }
  void Randomize();  // reseeds from the platform's timer
  float Rnd() { return random_.Next(); }
  Random& Rng() { return random_; }
  int TwipsPerPixel() { return twips_per_pixel_; }
  double NowMs() { return platform_.NowMs(); }  // the platform's monotonic clock
  std::vector<PixelRect> Displays() { return platform_.Displays(); }
  // The windows that cover the other displays now (none with one display).
  const std::vector<WindowId>& CoverWindows() const { return covers_.Windows(); }

  // The keyboard lockdown's hold on the runtime. A key filter sees every key down and up
  // before any form; a key it refuses reaches no form, and neither do the characters that
  // key types. An empty filter lets every key pass.
  using KeyFilter = std::function<bool(int key_code, int shift, bool key_down)>;
  void SetKeyFilter(KeyFilter refuses) {
    key_filter_ = std::move(refuses);
    refused_key_down_ = false;
  }
  void GrabKeyboard(bool grab) { platform_.SetKeyboardGrab(grab); }
  // Runs, latest first, when an untrapped error ends the program, before the runtime's box: a
  // service gives back what it holds of the system (the keyboard lockdown), since the program
  // ends without its unload steps. What a release throws is passed over.
  void AtUntrappedError(std::function<void()> release) {
    error_releases_.push_back(std::move(release));
  }

  // Runtime internals, for forms.
  void UpdateCursor(const Form& form);  // after the mouse icon or pointer changed
  const std::vector<Form*>& LoadedForms() const { return loaded_; }
  const Canvas* FrameOf(const Form& form) const;  // the frame of the form's open window

 private:
  void Load(Form& form);
  void OpenWindow(Form& form);
  int Fail(const std::string& box_text);
  void LoopTurn();

  // Events (application_input.cpp).
  void Dispatch(const Event& event);
  void OnCover(const Event& event);
  bool Refused(const Event& event);  // by the key filter
  Form* FormOf(WindowId window) const;
  Form* TopModal() const;
  bool TakesInput(const Form& form) const;
  void UpdateCovers();  // the other displays are covered while a full-screen form is shown

  // Timers and drawing (application_timers.cpp, application_render.cpp).
  double NextDeadline() const;
  void FireDueTimers();
  void Render();
  bool HiddenUnderModal(const Form& form) const;
  void UpdateHiddenFrames();   // frees the frames of hidden forms and brings back the others
  void HideFrame(Form& form);  // gives the form's frame back to the backend

  Platform& platform_;
  Version version_;
  Random random_;
  int twips_per_pixel_;
  std::vector<Form*> loaded_;       // in load order
  std::vector<Form*> modal_stack_;  // forms shown modally, innermost last
  const Form* leaving_ = nullptr;   // being unloaded: it hides nothing any more
  KeyFilter key_filter_;
  std::vector<std::function<void()>> error_releases_;
  bool refused_key_down_ = false;  // the latest key down was refused: so are its characters
  MonitorCovers covers_;
};

}  // namespace forms
