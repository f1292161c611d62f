// clsWave: the game's small sound player, one wave file at a time, in the background or to the end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/sound/wave_output.h"

namespace sound {

class clsWave {
 public:
  explicit clsWave(WaveOutput& output) : output_(output) {}

  void SetFileName(const std::string& file_name) { FileName = file_name; }
  std::string GetFileName() const { return FileName; }
  void SetMode(const std::int16_t& mode) { Mode = mode; }
  std::int16_t GetMode() const { return Mode; }
  // Plays wavfile (else the stored file name) in wavemode (else the stored mode):
  // mode 1 in the background, any other mode to the end before returning.
  void PlayWav(const std::optional<std::string>& wavfile = std::nullopt,
               const std::optional<std::int16_t>& wavemode = std::nullopt);
  void StopWav();  // stops every sound this program plays
  std::int32_t NumberOfWaveDevices();

 private:
  WaveOutput& output_;
  std::string FileName;
  std::int16_t Mode = 0;
};

}  // namespace sound
