// Drawing the hold ring: a dark disc, a padlock in white, the ring's filled share in yellow.
#include "game/shell/hold_ring.h"

#include <algorithm>
#include <cmath>

namespace shell {
namespace {

constexpr forms::Color kDisc = forms::Rgb(32, 32, 40);
constexpr forms::Color kTrack = forms::Rgb(80, 80, 96);
constexpr forms::Color kFill = forms::Rgb(255, 214, 0);
constexpr forms::Color kLock = forms::Rgb(255, 255, 255);
constexpr double kPi = 3.14159265358979323846;

bool InPadlock(double x, double y) {  // in units of the ring's radius
  const bool body = std::abs(x) <= 0.3 && y >= -0.05 && y <= 0.35;
  const double shackle = std::hypot(x, y + 0.05);
  return body || (y < -0.05 && shackle >= 0.14 && shackle <= 0.22);
}

}  // namespace

void HoldRing::SetProgress(float progress) {
  const float clamped = std::clamp(progress, 0.0f, 1.0f);
  if (clamped == progress_) return;
  progress_ = clamped;
  Invalidate();
}

forms::Color HoldRing::ColourAt(double dx, double dy, double radius) const {
  const double distance = std::hypot(dx, dy);
  if (distance >= 0.72 * radius) {
    // Clockwise from twelve o'clock.
    const double turn = std::fmod(std::atan2(dx, -dy) / (2 * kPi) + 1.0, 1.0);
    return turn < progress_ ? kFill : kTrack;
  }
  return InPadlock(dx / radius, dy / radius) ? kLock : kDisc;
}

void HoldRing::Paint(forms::Canvas& canvas, const forms::PixelRect& clip) {
  const forms::PixelRect box = BoundsOnForm();
  const forms::PixelRect area = forms::Intersect(forms::Intersect(box, clip), canvas.Bounds());
  const double radius = std::min(box.w, box.h) / 2.0;
  const double cx = box.x + box.w / 2.0, cy = box.y + box.h / 2.0;
  for (int y = area.y; y < area.y + area.h; ++y) {
    std::uint32_t* row = canvas.Row(y);
    for (int x = area.x; x < area.x + area.w; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      // The disc's edge is smoothed over one pixel against what lies underneath.
      const double cover = std::clamp(radius - std::hypot(dx, dy), 0.0, 1.0);
      if (cover <= 0) continue;
      const auto alpha = static_cast<std::uint32_t>(cover * 255);
      row[x] = forms::BlendPixel(row[x], ColourAt(dx, dy, radius), alpha);
    }
  }
}

}  // namespace shell
