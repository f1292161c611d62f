// The activity screens' scenario fixture: a screen on the headless backend, and its checks.
#include "tests/activity/activity_fixture.h"

#include "tests/lib/image_files.h"

namespace activity_test {

void MenuStandIn::Design() {
  SetCaption("Menu");
  SetMaximised(true);
}

TurnSpy::TurnSpy(forms::Application& app, activity::ActivityScreen& screen)
    : forms::Form(app), screen_(screen) {}

void TurnSpy::Design() {
  SetCaption("Spy");
  SetClientSize(1500, 1500);
  auto& timer = Add<forms::Timer>("Spy", nullptr);
  timer.SetInterval(kTickMs);
  timer.SetEnabled(true);
  timer.on_tick = [this, &timer] {
    if (!TickRunning()) return;
    ++turns;
    if (on_turn) on_turn(turns);
    // Due again at once, so it runs at the tick's next turn as well.
    if (TickRunning()) timer.next_due_ms = App().NowMs();
  };
}

bool TurnSpy::TickRunning() const {
  const auto* timer =
      screen_.Loaded() ? dynamic_cast<forms::Timer*>(screen_.Find("Timer1")) : nullptr;
  return timer != nullptr && timer->ticking;
}

ActivityRun::ActivityRun(const activity::ScreenTable& table, int width_px, int height_px,
                         const std::string& app_dir)
    : scenario(width_px, height_px), screen(scenario.App(), game, scenario.Sound(), table) {
  if (!app_dir.empty()) scenario.Platform().app_folder = app_dir;
  game.SoundSwitch = true;
}

void ActivityRun::OpenFromMenu() {
  menu = std::make_unique<MenuStandIn>(scenario.App(), screen);
  scenario.Start(*menu);
  scenario.Char(' ');
}

void ActivityRun::Tick(int count) {
  for (int i = 0; i < count; ++i) scenario.Advance(kTickMs);
}

void ActivityRun::TickUntil(std::int64_t tick) {
  while (probe.TickCount() < tick) Tick();
}

void ActivityRun::Type(const std::string& text) {
  for (const char ch : text) scenario.Char(static_cast<unsigned char>(ch));
}

void ActivityRun::ReleasePicker(const std::string& name, int button) {
  scenario.Click(screen.Get<forms::Image>(name), button);
}

forms::Control* ActivityRun::SlotControl(int slot) const {
  return screen.Find(activity::ActivityScreen::SlotName(slot));
}

std::string ActivityRun::Shown(int slot) const {
  return SlotControl(slot) ? screen.LoadedFile(activity::ActivityScreen::SlotName(slot)) : "";
}

int ActivityRun::PicturesPresent() const {
  int present = 0;
  for (int slot = 1; slot <= activity::kSlotCount; ++slot) present += SlotControl(slot) != nullptr;
  return present;
}

const std::vector<struct sound::HeadlessWaveOutput::Play>& ActivityRun::Plays() {
  return scenario.Sound().plays;
}

std::string TinyPictureAppDir(const activity::ScreenTable& table) {
  const std::string dir = wobtest::CopyAppDir();
  std::vector<std::string> files = {"\\firework1.jpg", "\\firework2.jpg", "\\firework3.jpg"};
  for (const auto& group : table.groups) files.insert(files.end(), group.begin(), group.end());
  for (const std::string& file : files) {
    wobtest::WriteJpeg(dir + "/" + file.substr(1), 8, 8, wobtest::Solid(8, 8, 0xFFFF8000));
  }
  return dir;
}

std::vector<std::string> TableFiles(const activity::ScreenTable& table) {
  std::vector<std::string> files;
  for (const activity::PickerFaces& faces : table.faces) {
    files.push_back(faces.up);
    files.push_back(faces.down);
  }
  for (const auto& group : table.groups) files.insert(files.end(), group.begin(), group.end());
  return files;
}

bool ClearOf(const forms::Control& a, const forms::Control& b) {
  return a.Left() + a.Width() < b.Left() || b.Left() + b.Width() < a.Left() ||
         a.Top() + a.Height() < b.Top() || b.Top() + b.Height() < a.Top();
}

}  // namespace activity_test
