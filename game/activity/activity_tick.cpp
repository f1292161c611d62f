// The timer tick: fireworks of the pictures present, the firework sound, then the spawns.
#include "game/activity/activity_screen.h"

namespace activity {

namespace {
constexpr std::int64_t kTicksBeforeBurst = 20;  // a picture bursts when older than this
constexpr int kGateTicks = 11;                  // the sound plays at most once per 11 ticks
}  // namespace

void ActivityScreen::Timer1_Timer() {
  try {
    RunTick();
  } catch (const ScreenClosed&) {
    // The exit button was released during a turn; the screen and its pictures are gone.
  }
}

// Every statement stands alone: a failing one is passed over and the tick goes on.
void ActivityScreen::RunTick() {
  ++TickCount;
  Pass([this](int slot) {
    if (slots_[slot].FireStage != 0) ++slots_[slot].FireStage;
  });
  Pass([this](int slot) { Ignite(slot); });
  Pass([this](int slot) { SecondPicture(slot); });
  Pass([this](int slot) { ThirdPicture(slot); });
  Pass([this](int slot) { RemovePicture(slot); });
  forms::PassOver([this] { SpawnForPicker(); });
  forms::PassOver([this] { SpawnForPresses(); });
  PressCount = 0;
  PickerChoice = 0;
  if (SoundGate >= 1) ++SoundGate;
  if (SoundGate == kGateTicks + 1) SoundGate = 0;
}

// Visits slots 1 to 30, giving the event loop a turn after each.
template <class Step>
void ActivityScreen::Pass(Step step) {
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    step(slot);
    Turn();
  }
}

void ActivityScreen::Ignite(int slot) {
  Slot& s = slots_[slot];
  if (s.BornTick == 0 || s.FireStage != 0 || TickCount - s.BornTick <= kTicksBeforeBurst) return;
  forms::PassOver([&] { LoadInto(Get<forms::Image>(SlotName(slot)), "\\firework1.jpg"); });
  s.FireStage = 1;
}

void ActivityScreen::SecondPicture(int slot) {
  if (slots_[slot].FireStage != 2) return;
  forms::PassOver([&] { LoadInto(Get<forms::Image>(SlotName(slot)), "\\firework2.jpg"); });
  if (SoundGate == 0) {
    if (game_.SoundSwitch) forms::PassOver([&] { PlayFireSound(slot); });
    SoundGate = 1;
  }
}

void ActivityScreen::PlayFireSound(int slot) {
  if (!FirePlayers[slot]) FirePlayers[slot] = std::make_unique<sound::clsWave>(sound_);
  FirePlayers[slot]->PlayWav(App().Path() + "\\fire1.wav", std::int16_t{1});
}

void ActivityScreen::ThirdPicture(int slot) {
  if (slots_[slot].FireStage != 4) return;
  forms::PassOver([&] { LoadInto(Get<forms::Image>(SlotName(slot)), "\\firework3.jpg"); });
}

void ActivityScreen::RemovePicture(int slot) {
  if (slots_[slot].FireStage != 6) return;
  const std::string name = SlotName(slot);
  forms::PassOver([&] { Remove(name); });
  loaded_files_.erase(name);
  slots_[slot] = Slot{};
}

}  // namespace activity
