// Timer ticks: the nearest deadline for the wait, and the due ticks, never re-entered.
#include <algorithm>
#include <limits>

#include "game/forms/application.h"

namespace forms {
namespace {

bool Running(const Timer& timer) {
  return timer.Enabled() && timer.Interval() > 0;
}

}  // namespace

double Application::NextDeadline() const {
  double deadline = std::numeric_limits<double>::infinity();
  for (const Form* form : loaded_) {
    for (const Timer* timer : form->Timers()) {
      if (Running(*timer) && !timer->ticking) deadline = std::min(deadline, timer->next_due_ms);
    }
  }
  return deadline;
}

void Application::FireDueTimers() {
  struct Due {
    Timer* timer;
    std::weak_ptr<const bool> alive;
    double due_ms;
  };
  std::vector<Due> due;
  const double now = platform_.NowMs();
  for (const Form* form : loaded_) {
    for (Timer* timer : form->Timers()) {
      if (Running(*timer) && timer->next_due_ms <= now) {
        due.push_back({timer, timer->AliveToken(), timer->next_due_ms});
      }
    }
  }
  std::stable_sort(due.begin(), due.end(),
                   [](const Due& a, const Due& b) { return a.due_ms < b.due_ms; });
  for (const Due& d : due) {
    if (d.alive.expired() || !Running(*d.timer)) continue;  // an earlier tick changed it
    Timer& timer = *d.timer;
    // The next tick counts from now: after a stall there is one tick, not a burst.
    timer.next_due_ms = platform_.NowMs() + timer.Interval();
    if (timer.ticking) continue;  // its previous tick still runs: this one is dropped
    timer.ticking = true;
    if (timer.on_tick) {
      auto handler = timer.on_tick;
      handler();
    }
    if (!d.alive.expired()) timer.ticking = false;
  }
}

}  // namespace forms
