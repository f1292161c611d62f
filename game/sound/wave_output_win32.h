// The Windows wave output: PlaySoundA for files, waveOutGetNumDevs for the device count.
#pragma once

#include <string>

#include "game/sound/wave_output.h"

namespace sound {

class Win32WaveOutput : public WaveOutput {
 public:
  void Play(const std::string& path, bool asynchronous) override;
  void Stop() override;
  int DeviceCount() override;
};

}  // namespace sound
