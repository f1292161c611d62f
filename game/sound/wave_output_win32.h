// The Windows sound output: PlaySoundA for files, waveOutGetNumDevs for the device count, and
// a waveOut player of its own for the voice.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/sound/voice_player_win32.h"
#include "game/sound/wave_output.h"

namespace sound {

class Win32WaveOutput : public WaveOutput {
 public:
  void Play(const std::string& path, bool asynchronous) override;
  void Stop() override;
  int DeviceCount() override;
  void Say(const std::string& path) override { voice_.Say(path, Gain()); }

 private:
  // A sound turned down plays from memory, which must live until the next play or stop.
  bool PlayScaled(const std::wstring& path, bool asynchronous);
  std::vector<std::uint8_t> scaled_;
  Win32VoicePlayer voice_;
};

}  // namespace sound
