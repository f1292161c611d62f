// The headless sound output: records what would be played, for tests.
#include "game/sound/wave_output_headless.h"

#include <utility>

namespace sound {

void HeadlessWaveOutput::Play(const std::string& path, bool asynchronous) {
  plays.push_back({path, asynchronous, Gain()});
}

void HeadlessWaveOutput::Say(const std::string& path) {
  if (!saying.empty()) {
    waiting = path;
    return;
  }
  saying = path;
  said.push_back(path);
}

void HeadlessWaveOutput::EndSaying() {
  saying.clear();
  if (waiting.empty()) return;
  Say(std::exchange(waiting, {}));
}

}  // namespace sound
