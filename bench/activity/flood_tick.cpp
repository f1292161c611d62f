// The cost of a tick on the real backend with the play area full: a key press before every
// tick keeps 29 and 30 pictures present, so each tick's spawns search for a spot and find no
// free slot, and every event-loop turn of the tick asks the platform for input.
// Usage: flood_tick [ticks]  (on a display: Xvfb on Linux, Wine on Windows); the pictures come
// from the app folder beside the benchmarks' folder.
// Prints the median and the slowest tick in ms.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/shell/native_backends.h"
#include "game/sound/wave_output_headless.h"
#include "tests/lib/activity_screen_probe.h"

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
  // The real backend, with the game's pictures from the app folder beside this program's folder.
  const auto backends = shell::OpenNativeBackends("../app");
  forms::Application app(backends->Platform());
  game::GameState game;
  sound::HeadlessWaveOutput sound;
  activity::ActivityScreen screen(app, game, sound, activity::kLetters);
  app.Show(screen);
  activity::ActivityScreenProbe probe(screen);
  probe.StopTimer();
  // Keys and a picker every tick: two spawns a tick outrun the bursts, so after the first
  // minute of play every tick begins with 29 or 30 pictures present.
  const auto flood = [&](int tick) {
    probe.Press();
    probe.Pick(1 + tick % 6);
  };
  for (int tick = 0; tick < 240; ++tick) {
    flood(tick);
    screen.Timer1_Timer();
  }
  std::vector<double> times;
  int fewest = activity::kSlotCount;
  for (int tick = 0; tick < ticks; ++tick) {
    fewest = std::min(fewest, probe.Present());
    flood(tick);
    times.push_back(TickMs(screen));
  }
  std::sort(times.begin(), times.end());
  std::printf("flood tick with %d to %d pictures: median %.2f ms, slowest %.2f ms over %d ticks\n",
              fewest, activity::kSlotCount, times[times.size() / 2], times.back(), ticks);
  return 0;
}
