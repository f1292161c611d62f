// The headless sound output: records what would be played, for tests.
#pragma once

#include <string>
#include <vector>

#include "game/sound/wave_output.h"

namespace sound {

class HeadlessWaveOutput : public WaveOutput {
 public:
  struct Play {
    std::string path;
    bool asynchronous;
    float gain = 1.0f;  // the output's gain when the play was asked for
  };
  void Play(const std::string& path, bool asynchronous) override;
  void Stop() override { ++stops; }
  int DeviceCount() override { return devices; }
  void Say(const std::string& path) override;
  // The clip being said ends; the waiting one, if any, is said next.
  void EndSaying();

  std::vector<struct Play> plays;  // every play asked for, in order
  int stops = 0;
  int devices = 1;
  std::vector<std::string> said;  // every clip the voice began, in order
  std::string saying;             // the clip being said; empty when the voice is silent
  std::string waiting;            // the clip to say next; empty when none
};

}  // namespace sound
