// The play recorder: diffs of forms, controls, pictures and platform services, as text lines.
#include "tests/game/play_trace.h"

#include <cstdio>
#include <sstream>

#include "game/assets/asset_names.h"
#include "game/forms/picture.h"

namespace gametest {

namespace {

std::uint64_t ContentHash(const forms::Picture& picture) {
  std::uint64_t hash = 1469598103934665603ull;  // FNV-1a
  auto mix = [&hash](std::uint64_t value) {
    hash ^= value;
    hash *= 1099511628211ull;
  };
  mix(static_cast<std::uint64_t>(picture.Width()));
  mix(static_cast<std::uint64_t>(picture.Height()));
  for (std::uint32_t pixel : picture.Pixels()) mix(pixel);
  return hash;
}

bool IsPictureFile(const std::string& name) {
  const std::string tail = name.substr(name.size() - 4);
  return tail == ".jpg" || tail == ".ico";
}

std::string Geometry(const forms::PixelRect& r) {
  char text[64];
  std::snprintf(text, sizeof text, "%d,%d %dx%d", r.x, r.y, r.w, r.h);
  return text;
}

long PaintedPixels(const forms::PictureBox& box) {
  const forms::PixelRect size = box.BoundsPx();
  const forms::Color back = forms::ResolveColor(box.BackColor()) & 0xFFFFFF;
  long painted = 0;
  for (int y = 0; y < size.h; ++y) {
    for (int x = 0; x < size.w; ++x) painted += (box.PixelAt(x, y) & 0xFFFFFF) != back;
  }
  return painted;
}

}  // namespace

PlayTrace::PlayTrace(wobtest::Scenario& scenario, const game::GameState& state,
                     std::vector<std::pair<const forms::Form*, std::string>> forms)
    : scenario_(scenario), state_(state) {
  for (auto& [form, name] : forms) forms_.push_back({form, name});
  // Pictures are told apart by their pixels: a control keeps no file name.
  for (const char* name : assets::kAssetNames) {
    if (!IsPictureFile(name)) continue;
    const forms::PictureRef picture = forms::LoadPicture(wobtest::AppDir() + "/" + name);
    files_by_content_.emplace(ContentHash(*picture), name);
  }
}

void PlayTrace::Step(const std::string& what) {
  lines_.push_back("> " + what);
}

void PlayTrace::Line(const std::string& text) {
  const long now = static_cast<long>(scenario_.Platform().NowMs());
  lines_.push_back("  " + std::to_string(now) + " " + text);
}

std::string PlayTrace::Text() const {
  std::ostringstream text;
  for (const std::string& line : lines_) text << line << '\n';
  return text.str();
}

void PlayTrace::Record() {
  for (FormState& state : forms_) RecordForm(state);
  RecordPlatform();
  if (state_.SoundSwitch != sound_switch_) {
    sound_switch_ = state_.SoundSwitch;
    Line(std::string("SoundSwitch ") + (sound_switch_ ? "on" : "off"));
  }
  if (scenario_.Finished()) {
    Line("end, exit code " + std::to_string(scenario_.ExitCode()));
  }
}

void PlayTrace::RecordForm(FormState& state) {
  const forms::Form& form = *state.form;
  if (state.loaded && !form.Loaded()) {
    Line("unload " + state.name);
    state.loaded = false;
    state.controls.clear();
    state.cursor = nullptr;
  }
  if (!form.Loaded()) return;
  if (!state.loaded) {
    Line("load " + state.name);
    state.loaded = true;
  }
  std::vector<Tracked> kept;
  for (Tracked& tracked : state.controls) {
    if (tracked.alive.expired()) {
      Line(state.name + " -" + tracked.name);
    } else {
      kept.push_back(std::move(tracked));
    }
  }
  state.controls = std::move(kept);
  for (const auto& control : form.AllControls()) {
    Tracked* tracked = nullptr;
    for (Tracked& t : state.controls) {
      if (!t.alive.owner_before(control->AliveToken()) &&
          !control->AliveToken().owner_before(t.alive)) {
        tracked = &t;
      }
    }
    if (tracked == nullptr) {
      Line(state.name + " +" + Describe(*control));
      state.controls.push_back({control->Name(), control->AliveToken()});
      tracked = &state.controls.back();
    }
    RecordControl(state, *tracked, *control);
  }
  const forms::PictureRef& icon = form.MouseIcon();
  const forms::Picture* cursor =
      form.MousePointer() == forms::kPointerCustom ? icon.get() : nullptr;
  if (cursor != state.cursor) {
    state.cursor = cursor;
    Line(state.name + " cursor " + (cursor ? FileOf(icon) : "default"));
  }
}

void PlayTrace::RecordControl(FormState& state, Tracked& tracked, const forms::Control& control) {
  if (const auto* image = dynamic_cast<const forms::Image*>(&control)) {
    if (image->Picture().get() != tracked.picture) {
      tracked.picture = image->Picture().get();
      Line(state.name + " " + tracked.name + " = " +
           (tracked.picture ? FileOf(image->Picture()) : "none"));
    }
  } else if (const auto* box = dynamic_cast<const forms::PictureBox*>(&control)) {
    const long painted = PaintedPixels(*box);
    if (painted != tracked.painted) {
      tracked.painted = painted;
      Line(state.name + " " + tracked.name + " painted " + std::to_string(painted) + " px");
    }
  }
}

std::string PlayTrace::Describe(const forms::Control& control) const {
  const std::string where = control.Name() + " ";
  if (const auto* timer = dynamic_cast<const forms::Timer*>(&control)) {
    return where + "Timer " + std::to_string(timer->Interval()) + " ms" +
           (timer->Enabled() ? "" : " off");
  }
  const std::string box = Geometry(control.BoundsOnForm());
  if (const auto* label = dynamic_cast<const forms::Label*>(&control)) {
    return where + "Label " + box + " \"" + label->Caption() + "\"";
  }
  if (const auto* button = dynamic_cast<const forms::CommandButton*>(&control)) {
    return where + "CommandButton " + box + " \"" + button->Caption() + "\"";
  }
  if (dynamic_cast<const forms::Image*>(&control)) return where + "Image " + box;
  if (dynamic_cast<const forms::Frame*>(&control)) return where + "Frame " + box;
  if (dynamic_cast<const forms::PictureBox*>(&control)) return where + "PictureBox " + box;
  return where + "Control " + box;
}

std::string PlayTrace::FileOf(const forms::PictureRef& picture) {
  auto known = known_.find(picture.get());
  if (known != known_.end()) return known->second.second;
  auto file = files_by_content_.find(ContentHash(*picture));
  const std::string name = file != files_by_content_.end()
                               ? file->second
                               : "built-in " + std::to_string(picture->Width()) + "x" +
                                     std::to_string(picture->Height());
  // The reference keeps the address from being reused by another picture.
  known_.emplace(picture.get(), std::make_pair(picture, name));
  return name;
}

std::string PlayTrace::Local(const std::string& path) const {
  const std::string app = scenario_.Platform().app_folder;
  return path.compare(0, app.size(), app) == 0 ? "<app>" + path.substr(app.size()) : path;
}

void PlayTrace::RecordPlatform() {
  const forms::HeadlessPlatform& platform = scenario_.Platform();
  const lockdown::HeadlessCompanion& lockdown = scenario_.Companion();
  const lockdown::HeadlessKeyboardLock& keyboard = scenario_.Keyboard();
  const sound::HeadlessWaveOutput& sound = scenario_.Sound();
  for (; programs_ < lockdown.started_programs.size(); ++programs_) {
    const auto& start = lockdown.started_programs[programs_];
    Line("start " + Local(start.path) + " style " + std::to_string(start.style));
  }
  for (; installs_ < keyboard.hook_installs.size(); ++installs_) Line("keyboard hook installed");
  for (; removals_ < keyboard.hook_removals.size(); ++removals_) Line("keyboard hook removed");
  for (; plays_ < sound.plays.size(); ++plays_) {
    const auto& play = sound.plays[plays_];
    Line("play " + Local(play.path) + (play.asynchronous ? " async" : " sync"));
  }
  for (; boxes_ < platform.message_boxes.size(); ++boxes_) {
    const auto& box = platform.message_boxes[boxes_];
    Line("message box \"" + box.caption + "\": " + box.text);
  }
}

}  // namespace gametest
