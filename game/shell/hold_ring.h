// The ring around a small padlock that fills while a parent combination is held.
#pragma once

#include "game/forms/control.h"

namespace shell {

class HoldRing : public forms::Control {
 public:
  using Control::Control;
  float Progress() const { return progress_; }
  void SetProgress(float progress);  // 0 to 1: the share of the ring filled, clockwise from top
  void Paint(forms::Canvas& canvas, const forms::PixelRect& clip) override;
  bool TakesMouse() const override { return false; }

 private:
  forms::Color ColourAt(double dx, double dy, double radius) const;  // dx, dy from the centre
  float progress_ = 0;
};

}  // namespace shell
