// Plain black windows over every display but the game's while a full-screen form is shown, so
// that a click on another monitor never reaches another program.
#pragma once

#include <vector>

#include "game/forms/platform.h"

namespace forms {

class MonitorCovers {
 public:
  explicit MonitorCovers(Platform& platform) : platform_(platform) {}
  ~MonitorCovers() { Remove(); }
  MonitorCovers(const MonitorCovers&) = delete;
  MonitorCovers& operator=(const MonitorCovers&) = delete;

  // Covers the other displays when a full-screen form is shown and none are covered yet;
  // removes the covers when no full-screen form is left.
  void Update(bool full_screen_shown);
  bool IsCover(WindowId window) const;
  const std::vector<WindowId>& Windows() const { return covers_; }

  // The displays to cover: every one but the game's, leaving out empty ones and any that
  // overlaps the game's display (a mirror of it would hide the game).
  static std::vector<PixelRect> OtherDisplays(const std::vector<PixelRect>& displays,
                                              const PixelRect& game_display);

 private:
  void Place();
  void Remove();

  Platform& platform_;
  std::vector<WindowId> covers_;
  bool shown_ = false;
};

}  // namespace forms
