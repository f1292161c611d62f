// The benchmarks' window into the activity screen's form-level state.
#pragma once

#include "game/activity/activity_screen.h"

namespace activity {

// The benchmark's window into the screen's form-level state.
class ActivityScreenProbe {
 public:
  explicit ActivityScreenProbe(ActivityScreen& screen) : s_(screen) {}
  void Press() { ++s_.PressCount; }
  void Pick(int group) { s_.PickerChoice = group; }
  int Candidates() const { return s_.candidates_; }
  // Makes every picture present young again, so none bursts while it is measured.
  void KeepPictures() {
    for (Slot& slot : s_.slots_) {
      if (slot.BornTick != 0) slot.BornTick = s_.TickCount;
    }
  }
  int SpawnedThisTick() const {
    int spawned = 0;
    for (int slot = 1; slot <= kSlotCount; ++slot)
      spawned += s_.slots_[slot].BornTick == s_.TickCount;
    return spawned;
  }
  // Stops the screen's own timer, so only the caller's ticks run.
  void StopTimer() { s_.Get<forms::Timer>("Timer1").SetEnabled(false); }
  int Present() const {
    int present = 0;
    for (int slot = 1; slot <= kSlotCount; ++slot) present += s_.slots_[slot].BornTick != 0;
    return present;
  }

 private:
  ActivityScreen& s_;
};

}  // namespace activity
