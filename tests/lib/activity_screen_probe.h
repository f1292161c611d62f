// The one window of tests and benchmarks into an activity screen's form-level state.
#pragma once

#include <cstdint>
#include <string>

#include "game/activity/activity_screen.h"

namespace activity {

class ActivityScreenProbe {
 public:
  explicit ActivityScreenProbe(ActivityScreen& screen) : s_(screen) {}
  std::int64_t& TickCount() { return s_.TickCount; }
  int& PressCount() { return s_.PressCount; }
  int& PickerChoice() { return s_.PickerChoice; }
  std::string& PendingPicture() { return s_.PendingPicture; }
  int& SoundGate() { return s_.SoundGate; }
  Slot& SlotAt(int slot) { return s_.slots_[slot]; }
  float NewLeft() const { return s_.NewLeft; }
  float NewTop() const { return s_.NewTop; }
  float HeightRatio() const { return s_.HeightRatio; }
  float WidthRatio() const { return s_.WidthRatio; }
  int Candidates() const { return s_.candidates_; }
  std::size_t LoadedFiles() const { return s_.loaded_files_.size(); }

  void Press() { ++s_.PressCount; }
  void Pick(int group) { s_.PickerChoice = group; }
  // Makes every picture present young again, so none bursts while it is measured.
  void KeepPictures() {
    for (Slot& slot : s_.slots_) {
      if (slot.BornTick != 0) slot.BornTick = s_.TickCount;
    }
  }
  int SpawnedThisTick() const {
    return Count([&](const Slot& s) { return s.BornTick == s_.TickCount; });
  }
  int Present() const {
    return Count([](const Slot& s) { return s.BornTick != 0; });
  }
  // Stops the screen's own timer, so only the caller's ticks run.
  void StopTimer() { s_.Get<forms::Timer>("Timer1").SetEnabled(false); }

 private:
  template <class Test>
  int Count(Test test) const {
    int n = 0;
    for (int slot = 1; slot <= kSlotCount; ++slot) n += test(s_.slots_[slot]);
    return n;
  }
  ActivityScreen& s_;
};

}  // namespace activity
