// The headless sound output: records what would be played, for tests.
#include "game/sound/wave_output_headless.h"

namespace sound {

void HeadlessWaveOutput::Play(const std::string& path, bool asynchronous) {
  plays.push_back({path, asynchronous, Gain()});
}

}  // namespace sound
