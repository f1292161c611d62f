// The local clock of Linux, the "system timer" the game reseeds its random numbers from.
#include "game/forms/sdl/posix_clock.h"

#include <chrono>
#include <ctime>

namespace forms {

double LocalSecondsSinceMidnight() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto whole = std::chrono::system_clock::from_time_t(seconds);
  const double fraction = std::chrono::duration<double>(now - whole).count();
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

}  // namespace forms
