// clsWave: the game's small sound player.
#include "game/sound/cls_wave.h"

namespace sound {

void clsWave::PlayWav(const std::optional<std::string>& wavfile,
                      const std::optional<std::int16_t>& wavemode) {
  const std::string& file = wavfile ? *wavfile : FileName;
  const std::int16_t mode = wavemode ? *wavemode : Mode;
  output_.Play(file, mode == 1);
}

void clsWave::StopWav() { output_.Stop(); }

std::int32_t clsWave::NumberOfWaveDevices() { return output_.DeviceCount(); }

}  // namespace sound
