// Cost of the hook decisions on the paths every keystroke and every fetched message takes.
#include "hook_rules.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

namespace {

// Key states that change from call to call so the optimiser cannot fold the decisions.
struct RotatingKeys {
  std::uint32_t state = 0x2A;
  bool operator()(int vk) {
    state = state * 1664525u + 1013904223u;
    return ((state >> 16) ^ static_cast<std::uint32_t>(vk)) & 1;
  }
};

void BM_KeyboardHook(benchmark::State& state) {
  const std::array<std::uintptr_t, 8> keys = {0x41, 0x5B, 0x20, 0x5D, 0x0D, 0x5C, 0x1B, 0x11};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        blocker::KeystrokeSwallowed(static_cast<std::uint32_t>(state.range(0)), 0, keys[i++ & 7]));
  }
}
BENCHMARK(BM_KeyboardHook)->Arg(0x9)->Arg(0xF);

void BM_MessageHookOrdinaryMessage(benchmark::State& state) {
  RotatingKeys keys;
  std::uint32_t message = 0x0100;
  for (auto _ : state) {
    benchmark::DoNotOptimize(message);
    benchmark::DoNotOptimize(blocker::MessageVoided(0xF, 0, true, message, 0x41, 0, keys));
  }
}
BENCHMARK(BM_MessageHookOrdinaryMessage);

void BM_MessageHookTaskListCommand(benchmark::State& state) {
  RotatingKeys keys;
  for (auto _ : state) {
    benchmark::DoNotOptimize(blocker::MessageVoided(static_cast<std::uint32_t>(state.range(0)), 0,
                                                    true, blocker::kMsgSysCommand,
                                                    blocker::kSysCommandTaskList, 0, keys));
  }
}
BENCHMARK(BM_MessageHookTaskListCommand)->Arg(0x1)->Arg(0x3);

void BM_ShellHookTaskList(benchmark::State& state) {
  RotatingKeys keys;
  for (auto _ : state) {
    benchmark::DoNotOptimize(blocker::ShellRefuses(0x3, blocker::kShellTaskList, keys));
  }
}
BENCHMARK(BM_ShellHookTaskList);

}  // namespace
