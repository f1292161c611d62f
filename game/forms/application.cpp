// Application: loading, showing and unloading forms, the loops, and the untrapped-error report.
#include "game/forms/application.h"

#include <algorithm>
#include <cmath>

#include "game/forms/picture_cache.h"
#include "game/forms/scaled_pictures.h"
#include "game/forms/untrapped_error.h"

namespace forms {
namespace {

constexpr int kMaxEventsPerDoEvents = 256;  // a flood of input cannot hold a tick forever
constexpr const char* kErrorCaption = "Wobbleton";

int ToPixels(float twips, int tpp) {
  const double px = std::round(static_cast<double>(twips) / tpp);
  return static_cast<int>(std::clamp(px, 0.0, 100000.0));
}

}  // namespace

Application::Application(Platform& platform, Version version)
    : platform_(platform),
      version_(version),
      twips_per_pixel_(platform.TwipsPerPixel()),
      covers_(platform) {}

Application::~Application() = default;

int Application::Run(Form& startup) {
  try {
    RunHandler([&] { Show(startup); });
    while (!loaded_.empty()) LoopTurn();
    return 0;
  } catch (const UntrappedError& error) {
    return Fail(error.what());
  } catch (const RuntimeError& error) {
    return Fail(error.BoxText());
  } catch (const std::exception& error) {
    return Fail(std::string("Internal error: ") + error.what());
  }
}

int Application::Fail(const std::string& box_text) {
  for (auto release = error_releases_.rbegin(); release != error_releases_.rend(); ++release) {
    try {
      (*release)();
    } catch (const std::exception&) {
      // The error being reported is the one that matters.
    }
  }
  while (!loaded_.empty()) Release(*loaded_.back());
  modal_stack_.clear();
  platform_.MessageBox(kErrorCaption, box_text);
  return 1;
}

void Application::LoopTurn() {
  RunHandler([&] { Render(); });
  Event event;
  if (platform_.WaitEvent(event, NextDeadline())) RunHandler([&] { Dispatch(event); });
  RunHandler([&] { FireDueTimers(); });
}

void Application::DoEvents() {
  Event event;
  for (int i = 0; i < kMaxEventsPerDoEvents && platform_.WaitEvent(event, platform_.NowMs()); ++i) {
    RunHandler([&] { Dispatch(event); });
  }
  RunHandler([&] { FireDueTimers(); });
  RunHandler([&] { Render(); });
}

void Application::Show(Form& form) {
  if (!form.loaded_) Load(form);
  if (!form.loaded_) return;  // its load unloaded it again
  form.visible_ = true;
  if (form.window == 0) OpenWindow(form);
}

void Application::ShowModal(Form& form) {
  Show(form);
  if (!form.loaded_) return;
  for (Form* below : loaded_) {  // a button held on a form below is let go
    below->mouse_capture_ = nullptr;
    below->mouse_buttons_ = 0;
  }
  modal_stack_.push_back(&form);
  while (form.loaded_) LoopTurn();
  auto it = std::find(modal_stack_.rbegin(), modal_stack_.rend(), &form);
  if (it != modal_stack_.rend()) modal_stack_.erase(std::next(it).base());
}

void Application::Load(Form& form) {
  form.loaded_ = true;
  loaded_.push_back(&form);
  // Design comes first: it may set the window properties that decide the form's size.
  form.Design();
  if (form.maximised_) {
    const PixelRect display = platform_.DisplayBounds();
    form.width_px = display.w;
    form.height_px = display.h;
  } else {
    form.width_px = ToPixels(form.client_width_twips_, twips_per_pixel_);
    form.height_px = ToPixels(form.client_height_twips_, twips_per_pixel_);
  }
  form.dirty_.clear();
  form.InvalidateAll();
  form.Form_Load();
}

void Application::OpenWindow(Form& form) {
  WindowSpec spec;
  spec.caption = form.caption_;
  spec.width = form.width_px;
  spec.height = form.height_px;
  spec.maximised = form.maximised_;
  spec.centred = !form.maximised_;
  form.window = platform_.CreateWindow(spec);
  // Without its window the form could never get input, and the loop would wait for ever.
  if (form.window == 0) throw UntrappedError("Cannot create the window of " + form.caption_);
  UpdateCursor(form);
  platform_.ShowWindow(form.window, true);
  UpdateCovers();
  form.InvalidateAll();
  form.Form_Resize();
}

void Application::UpdateCovers() {
  covers_.Update(std::any_of(loaded_.begin(), loaded_.end(), [](const Form* form) {
    return form->maximised_ && form->window != 0;
  }));
}

void Application::Unload(Form& form) {
  if (!form.loaded_) return;
  form.Form_Unload();
  if (!form.loaded_) return;
  // The forms it hid are drawn again before its window goes, so the desktop never shows through;
  // its frame goes first, so that theirs never come while it still holds its own.
  form.leaving_ = true;
  if (form.window != 0 && !form.frame_released_) ReleaseFrame(form);
  UpdateHiddenFrames();
  Render();
  Release(form);
}

void Application::Release(Form& form) {
  form.loaded_ = false;
  form.DestroyControls();
  // The next screen shows other pictures: the caches start afresh rather than hold the memory
  // of this one's.
  LoadedPictures().Clear();
  SharedScaledPictures().Clear();
  if (form.window != 0) platform_.DestroyWindow(form.window);
  form.window = 0;
  form.dirty_.clear();
  form.drawn_into_ = nullptr;
  form.frame_released_ = false;
  form.leaving_ = false;
  loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), &form), loaded_.end());
  UpdateCovers();
}

void Application::Forget(Form& form) {
  Release(form);
  modal_stack_.erase(std::remove(modal_stack_.begin(), modal_stack_.end(), &form),
                     modal_stack_.end());
}

void Application::UpdateCursor(Form& form) {
  if (form.window == 0) return;
  const bool custom = form.mouse_pointer_ == kPointerCustom && form.mouse_icon_;
  platform_.SetCursor(form.window, custom ? form.mouse_icon_.get() : nullptr);
}

std::string Application::Path() {
  std::string folder = platform_.AppFolder();
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

void Application::Randomize() {
  random_.Reseed(platform_.SecondsSinceMidnight());
}

}  // namespace forms
