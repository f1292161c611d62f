// Whether the host ends with the game that started it: the rule, apart from the process calls.
#pragma once

#include <cstdint>
#include <string_view>

namespace blocker {

// The game's executable, as it starts the host.
inline constexpr char kGameExeName[] = "WOB.exe";

// The host watches the process that started it only when the game started it (its parent's
// executable is "WOB.exe", letter case ignored). When that process ends, the host shuts down as
// at a second start if `ShutDownWhenRunAgain`, read then, is on, and otherwise runs on until a
// second start, as a host started by hand always does.
bool WatchesStartingProcess(std::string_view parent_exe_name);

// A process id names another program once its process has ended. The parent is the one that
// started this process only when it was created no later than this one (creation times in the
// system's 100 ns units, coarse enough that a parent and a child may share one).
inline bool IsStillTheParent(std::uint64_t parent_created, std::uint64_t self_created) {
  return parent_created <= self_created;
}

}  // namespace blocker
