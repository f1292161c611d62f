// Cost of the activity screen's tick, its spot search, its drawing, and its memory over many
// spawns.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <memory>

#include "game/forms/headless/headless_platform.h"
#include "game/sound/wave_output_headless.h"
#include "tests/lib/activity_screen_probe.h"

namespace {

// A screen loaded on the headless backend and driven from the benchmark's own thread: the
// tick is called directly, and its event-loop turns find nothing waiting.
struct Bench {
  Bench(int width_px, int height_px)
      : platform(width_px, height_px), app(platform), screen(app, game, sound, activity::kLetters) {
    platform.app_folder = WOB_APP_DIR;
    platform.MarkFinished();  // no harness thread waits for the program to idle
    app.Show(screen);
  }
  // Lets virtual time pass, so each spot search reseeds differently.
  void PassTime(double ms) {
    platform.Advance(ms);
    forms::Event event;
    platform.WaitEvent(event, platform.NowMs() + ms);
  }
  void Tick() {
    PassTime(250);
    screen.Timer1_Timer();
  }
  void Fill(int pictures) {
    while (probe.Present() < pictures) {
      probe.Press();
      Tick();
      probe.KeepPictures();
    }
  }

  forms::HeadlessPlatform platform;
  forms::Application app;
  game::GameState game;
  sound::HeadlessWaveOutput sound;
  activity::ActivityScreen screen;
  activity::ActivityScreenProbe probe{screen};
};

// One tick with 30 pictures present and no input: five passes of 30 slots, 150 turns.
void BM_TickWith30Pictures(benchmark::State& state) {
  Bench bench(1920, 1080);
  bench.Fill(30);
  for (auto _ : state) {
    bench.probe.KeepPictures();
    bench.Tick();
  }
}
BENCHMARK(BM_TickWith30Pictures)->Unit(benchmark::kMicrosecond);

// The spot search with n pictures present: candidates drawn and time per search.
void BM_SpotSearch(benchmark::State& state) {
  Bench bench(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
  bench.Fill(static_cast<int>(state.range(0)));
  std::int64_t candidates = 0, searches = 0, failures = 0;
  for (auto _ : state) {
    bench.PassTime(1);
    failures += !bench.screen.testDo();
    candidates += bench.probe.Candidates();
    ++searches;
  }
  state.counters["candidates"] = static_cast<double>(candidates) / static_cast<double>(searches);
  state.counters["no_spot"] = static_cast<double>(failures) / static_cast<double>(searches);
}
BENCHMARK(BM_SpotSearch)
    ->ArgsProduct({{0, 10, 20, 29}, {1024}, {768}})
    ->ArgsProduct({{0, 10, 20, 29}, {1920}, {1080}})
    ->ArgNames({"pictures", "w", "h"})
    ->Unit(benchmark::kMicrosecond);

// A tick at 1920 x 1080 under steady input: spawns and bursts change the screen, and the
// changed areas are drawn and presented at the tick's turns.
void BM_TickRenderAndPresent1920(benchmark::State& state) {
  Bench bench(1920, 1080);
  const long long pixels_before = bench.platform.presented_pixels;
  const long long presents_before = bench.platform.presents;
  for (auto _ : state) {
    bench.probe.Press();
    bench.probe.Pick(1 + static_cast<int>(state.iterations() % 6));
    bench.Tick();
  }
  const double ticks = static_cast<double>(state.iterations());
  state.counters["presented_px_per_tick"] =
      static_cast<double>(bench.platform.presented_pixels - pixels_before) / ticks;
  state.counters["presents_per_tick"] =
      static_cast<double>(bench.platform.presents - presents_before) / ticks;
}
BENCHMARK(BM_TickRenderAndPresent1920)->Unit(benchmark::kMicrosecond);

// The whole 1920 x 1080 screen with 30 pictures drawn and presented once.
void BM_FullRepaint1920(benchmark::State& state) {
  Bench bench(1920, 1080);
  bench.Fill(30);
  for (auto _ : state) {
    bench.screen.InvalidateAll();
    bench.app.DoEvents();
  }
}
BENCHMARK(BM_FullRepaint1920)->Unit(benchmark::kMicrosecond);

double ResidentBytes() {
  long pages_total = 0, pages_resident = 0;
  std::ifstream("/proc/self/statm") >> pages_total >> pages_resident;
  return static_cast<double>(pages_resident) * static_cast<double>(::sysconf(_SC_PAGESIZE));
}

// Resident memory after 1,000 and after 100,000 spawns: it must not grow with the spawns.
void BM_MemoryOver100kSpawns(benchmark::State& state) {
  for (auto _ : state) {
    Bench bench(1024, 768);
    std::int64_t spawns = 0;
    double after_1k = 0;
    for (int tick = 0; spawns < 100000; ++tick) {
      bench.probe.Press();
      bench.probe.Pick(1 + tick % 6);
      bench.Tick();
      spawns += bench.probe.SpawnedThisTick();
      if (after_1k == 0 && spawns >= 1000) after_1k = ResidentBytes();
    }
    state.counters["rss_after_1k_spawns"] = after_1k;
    state.counters["rss_after_100k_spawns"] = ResidentBytes();
  }
}
BENCHMARK(BM_MemoryOver100kSpawns)->Iterations(1)->Unit(benchmark::kSecond);

// A whole day of play in virtual time, 345,600 ticks: keys flood in between every two ticks and
// a picker is released every third tick. Resident memory after the first minute and at the
// end: the day must not add to it.
void BM_LettersDay(benchmark::State& state) {
  constexpr int kTicksPerMinute = 240;
  constexpr int kTicksPerDay = 24 * 60 * kTicksPerMinute;
  for (auto _ : state) {
    Bench bench(1024, 768);
    double after_minute = 0;
    for (int tick = 1; tick <= kTicksPerDay; ++tick) {
      for (int key = 0; key < 4; ++key) bench.screen.Form_KeyPress('a' + (tick * 4 + key) % 26);
      if (tick % 3 == 0) bench.probe.Pick(1 + tick % 6);
      bench.Tick();
      if (tick == kTicksPerMinute) after_minute = ResidentBytes();
    }
    state.counters["rss_after_first_minute"] = after_minute;
    state.counters["rss_after_a_day"] = ResidentBytes();
    state.counters["growth"] = ResidentBytes() - after_minute;
  }
}
BENCHMARK(BM_LettersDay)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
