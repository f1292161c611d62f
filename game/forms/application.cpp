// Application: loading, showing and unloading forms, the loops, and the untrapped-error report.
#include "game/forms/application.h"

#include <algorithm>

#include "game/forms/memory_policy.h"
#include "game/forms/untrapped_error.h"

namespace forms {
namespace {

constexpr int kMaxEventsPerDoEvents = 256;  // a flood of input cannot hold a tick forever
constexpr const char* kErrorCaption = "Wobbleton";

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
  while (!loaded_.empty()) Discard(*loaded_.back());
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
  if (!form.Loaded()) Load(form);
  if (!form.Loaded()) return;  // its load unloaded it again
  form.SetVisible(true);
  if (form.window == 0) OpenWindow(form);
}

void Application::ShowModal(Form& form) {
  Show(form);
  if (!form.Loaded()) return;
  for (Form* below : loaded_) below->LetGoOfMouse();  // a button held on a form below is let go
  modal_stack_.push_back(&form);
  while (form.Loaded()) LoopTurn();
  auto it = std::find(modal_stack_.rbegin(), modal_stack_.rend(), &form);
  if (it != modal_stack_.rend()) modal_stack_.erase(std::next(it).base());
}

void Application::Load(Form& form) {
  loaded_.push_back(&form);
  form.Load(platform_.DisplayBounds());
}

void Application::OpenWindow(Form& form) {
  form.window = platform_.CreateWindow(form.WindowWanted());
  // Without its window the form could never get input, and the loop would wait for ever.
  if (form.window == 0) throw UntrappedError("Cannot create the window of " + form.Caption());
  UpdateCursor(form);
  platform_.ShowWindow(form.window, true);
  UpdateCovers();
  form.InvalidateAll();
  form.Form_Resize();
}

void Application::UpdateCovers() {
  covers_.Update(std::any_of(loaded_.begin(), loaded_.end(), [](const Form* form) {
    return form->Maximised() && form->window != 0;
  }));
}

void Application::Unload(Form& form) {
  if (!form.Loaded()) return;
  form.Form_Unload();
  if (!form.Loaded()) return;
  // The forms it hid are drawn again before its window goes, so the desktop never shows through;
  // its frame goes first, so that theirs never come while it still holds its own.
  leaving_ = &form;
  if (form.window != 0 && !form.FrameHidden()) HideFrame(form);
  UpdateHiddenFrames();
  Render();
  Discard(form);
}

void Application::Discard(Form& form) {
  const WindowId window = form.window;
  form.Release();
  if (window != 0) platform_.DestroyWindow(window);
  if (leaving_ == &form) leaving_ = nullptr;
  std::erase(loaded_, &form);
  std::erase(modal_stack_, &form);
  UpdateCovers();
  GiveBackScreenMemory();
}

void Application::UpdateCursor(const Form& form) {
  if (form.window != 0) platform_.SetCursor(form.window, form.Cursor());
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
