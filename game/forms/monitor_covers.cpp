// Plain black windows over every display but the game's while a full-screen form is shown.
#include "game/forms/monitor_covers.h"

#include <algorithm>

namespace forms {

std::vector<PixelRect> MonitorCovers::OtherDisplays(const std::vector<PixelRect>& displays,
                                                    const PixelRect& game_display) {
  std::vector<PixelRect> others;
  for (const PixelRect& display : displays) {
    if (display.Empty() || !Intersect(display, game_display).Empty()) continue;
    others.push_back(display);
  }
  return others;
}

void MonitorCovers::Update(bool full_screen_shown) {
  if (full_screen_shown == shown_) return;
  shown_ = full_screen_shown;
  if (shown_) {
    Place();
  } else {
    Remove();
  }
}

bool MonitorCovers::IsCover(WindowId window) const {
  return window != 0 && std::find(covers_.begin(), covers_.end(), window) != covers_.end();
}

void MonitorCovers::Place() {
  for (const PixelRect& display : OtherDisplays(platform_.Displays(), platform_.DisplayBounds())) {
    WindowSpec spec;
    spec.cover = true;
    spec.place = display;
    spec.width = display.w;
    spec.height = display.h;
    const WindowId cover = platform_.CreateWindow(spec);
    if (cover == 0) continue;  // a display left uncovered is no reason to stop the game
    platform_.ShowWindow(cover, true);
    covers_.push_back(cover);
  }
}

void MonitorCovers::Remove() {
  for (WindowId cover : covers_) platform_.DestroyWindow(cover);
  covers_.clear();
}

}  // namespace forms
