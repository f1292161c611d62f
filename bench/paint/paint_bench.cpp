// How fast frmPaint paints: dots painted and presented per second, per-dot cost, a colour key.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <deque>
#include <fstream>

#include "game/forms/application.h"
#include "game/forms/headless/headless_platform.h"
#include "game/game_state.h"
#include "game/paint/paint_screen.h"

namespace {

// The headless platform driven from the benchmark's own thread: input is queued here and
// DoEvents handles it, so the measure is the game's work, not a hand-over between threads.
class BenchPlatform : public forms::HeadlessPlatform {
 public:
  BenchPlatform(int width_px, int height_px) : forms::HeadlessPlatform(width_px, height_px) {
    app_folder = WOB_APP_DIR;
  }
  bool WaitEvent(forms::Event& event, double /*deadline_ms*/) override {
    if (queue.empty()) return false;
    event = queue.front();
    queue.pop_front();
    return true;
  }
  std::deque<forms::Event> queue;
};

struct OpenPaintScreen {
  OpenPaintScreen(int width_px, int height_px)
      : platform(width_px, height_px), app(platform), screen(app, game) {
    app.Show(screen);
    app.DoEvents();
    area = screen.Get<forms::PictureBox>("Picture1").BoundsOnForm();
  }
  ~OpenPaintScreen() { app.Unload(screen); }

  // A pointer sweeping the drawing area a few pixels a move, as a quick hand does.
  void QueueMove(long long i) {
    forms::Event move;
    move.kind = forms::Event::Kind::kMouseMove;
    move.window = screen.window;
    move.x = area.x + 20 + static_cast<int>((i * 3) % (area.w - 40));
    move.y = area.y + 20 + static_cast<int>((i / 400 * 11) % (area.h - 40));
    platform.queue.push_back(move);
  }
  void HandleAll() {
    while (!platform.queue.empty()) app.DoEvents();
  }

  game::GameState game;
  BenchPlatform platform;
  forms::Application app;
  paint::PaintScreen screen;
  forms::PixelRect area;
};

void ReportPresents(benchmark::State& state, const OpenPaintScreen& open, long long dots) {
  state.SetItemsProcessed(dots);
  state.counters["presents"] =
      benchmark::Counter(static_cast<double>(open.platform.presents), benchmark::Counter::kIsRate);
  state.counters["px_per_dot"] =
      static_cast<double>(open.platform.presented_pixels) / static_cast<double>(dots);
}

// One move, one dot, one present: the path of every move of a fast mouse.
void BM_DotPerMove(benchmark::State& state) {
  OpenPaintScreen open(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  open.platform.presents = 0;
  open.platform.presented_pixels = 0;
  long long dots = 0;
  for (auto _ : state) {
    open.QueueMove(dots++);
    open.HandleAll();
  }
  ReportPresents(state, open, dots);
}
BENCHMARK(BM_DotPerMove)->Args({1920, 1080})->Args({3840, 2160});

// Sixteen moves of a 1000 Hz mouse arrive within one 60 Hz frame and are handled together.
void BM_FrameOfSixteenMoves(benchmark::State& state) {
  OpenPaintScreen open(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  open.platform.presents = 0;
  open.platform.presented_pixels = 0;
  long long dots = 0;
  for (auto _ : state) {
    for (int i = 0; i < 16; ++i) open.QueueMove(dots++);
    open.HandleAll();
  }
  ReportPresents(state, open, dots);
}
BENCHMARK(BM_FrameOfSixteenMoves)->Args({1920, 1080})->Args({3840, 2160});

// The drawing alone: one round dot into the drawing area's surface.
void BM_PSet(benchmark::State& state) {
  OpenPaintScreen open(1920, 1080);
  auto& picture = open.screen.Get<forms::PictureBox>("Picture1");
  long long i = 0;
  for (auto _ : state) {
    const float x = static_cast<float>((i * 45) % 20000 + 300);
    picture.PSet(x, static_cast<float>((i / 400 * 165) % 10000 + 300), 0x3300FF);
    ++i;
  }
  state.SetItemsProcessed(i);
}
BENCHMARK(BM_PSet);

// A character key: reseed, pick, and load the six up pictures, a down picture and a brush.
void BM_ColourKey(benchmark::State& state) {
  OpenPaintScreen open(1920, 1080);
  forms::Event key;
  key.kind = forms::Event::Kind::kChar;
  key.window = open.screen.window;
  key.ch = 'a';
  for (auto _ : state) {
    open.platform.queue.push_back(key);
    open.HandleAll();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ColourKey);

double ResidentBytes() {
  long pages_total = 0, pages_resident = 0;
  std::ifstream("/proc/self/statm") >> pages_total >> pages_resident;
  return static_cast<double>(pages_resident) * static_cast<double>(::sysconf(_SC_PAGESIZE));
}

// An hour of painting: sixty pointer moves a second, handled sixteen at a time as a frame's
// worth of input is. Resident memory after the first minute and after the hour must match.
void BM_PaintHour(benchmark::State& state) {
  constexpr long long kMovesPerMinute = 60 * 60;
  constexpr int kMovesPerFrame = 16;
  for (auto _ : state) {
    OpenPaintScreen open(1024, 768);
    double after_minute = 0;
    for (long long move = 1; move <= 60 * kMovesPerMinute; ++move) {
      open.QueueMove(move);
      if (move % kMovesPerFrame == 0) open.HandleAll();
      if (move == kMovesPerMinute) after_minute = ResidentBytes();
    }
    state.counters["rss_after_first_minute"] = after_minute;
    state.counters["rss_after_an_hour"] = ResidentBytes();
    state.counters["growth"] = ResidentBytes() - after_minute;
  }
}
BENCHMARK(BM_PaintHour)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
