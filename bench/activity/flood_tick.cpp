// The cost of a tick on the real backend with the play area full: a key press before every
// tick keeps 29 and 30 pictures present, so each tick's spawns search for a spot and find no
// free slot, and every event-loop turn of the tick asks the platform for input.
// Usage: flood_tick [ticks]  (on a display: Xvfb on Linux, Wine on Windows)
// Prints the median and the slowest tick in ms.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/activity/activity_probe.h"
#include "game/sound/wave_output_headless.h"

#ifdef _WIN32
#include "game/forms/win32/win32_platform.h"
using NativePlatform = forms::Win32Platform;
#else
#include "game/forms/sdl/sdl_platform.h"
using NativePlatform = forms::SdlPlatform;
#endif

namespace {

double TickMs(activity::ActivityScreen& screen) {
  const auto start = std::chrono::steady_clock::now();
  screen.Timer1_Timer();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  NativePlatform platform;
  forms::Application app(platform);
  game::GameState game;
  sound::HeadlessWaveOutput sound;
  activity::ActivityScreen screen(app, game, sound, activity::kLetters);
  app.Show(screen);
  activity::ActivityScreenProbe probe(screen);
  probe.StopTimer();
  for (int tick = 0; probe.Present() < activity::kSlotCount && tick < 10000; ++tick) {
    probe.Press();
    probe.KeepPictures();
    screen.Timer1_Timer();
  }
  std::vector<double> times;
  int fewest = activity::kSlotCount;
  for (int tick = 0; tick < ticks; ++tick) {
    probe.Press();
    probe.KeepPictures();  // none bursts: the area stays full
    times.push_back(TickMs(screen));
    fewest = std::min(fewest, probe.Present());
  }
  std::sort(times.begin(), times.end());
  std::printf("flood tick with %d to %d pictures: median %.2f ms, slowest %.2f ms over %d ticks\n",
              fewest, activity::kSlotCount, times[times.size() / 2], times.back(), ticks);
  return 0;
}
