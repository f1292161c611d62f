// The Windows wave output: PlaySoundA for files or turned-down copies, waveOutGetNumDevs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/sound/wave_output.h"

namespace sound {

class Win32WaveOutput : public WaveOutput {
 public:
  void Play(const std::string& path, bool asynchronous) override;
  void Stop() override;
  int DeviceCount() override;

 private:
  // A sound turned down plays from memory, which must live until the next play or stop.
  bool PlayScaled(const std::wstring& path, bool asynchronous);
  std::vector<std::uint8_t> scaled_;
};

}  // namespace sound
