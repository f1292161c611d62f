// The key filter runs for every key event of the desktop: its cost per event.
#include <benchmark/benchmark.h>

#include <array>

#include "game/lockdown/key_filter.h"

namespace {

// A typing burst of letters with a few swallowed keys and task-switch attempts mixed in.
constexpr std::array<int, 16> kBurst = {'A',  'S', 0x5B, 'D',  0x09, 'F',  0xBA, 'J',
                                        0x1B, 'K', 'L',  0xDE, '1',  0x70, 'T',  0x20};

void BM_ShouldSwallow(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const int vk = kBurst[i++ & (kBurst.size() - 1)];
    const bool alt = (i & 4) != 0;
    const bool ctrl = (i & 8) != 0;
    benchmark::DoNotOptimize(lockdown::ShouldSwallow(vk, alt, ctrl));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_ShouldSwallow);

}  // namespace
