// The platform's wave-file player: what PlaySoundA and waveOutGetNumDevs give on Windows.
#pragma once

#include <string>

namespace sound {

class WaveOutput {
 public:
  virtual ~WaveOutput() = default;
  // Plays a WAV file. Asynchronous plays return at once and replace the sound playing;
  // a synchronous play returns when the sound has ended. A missing file or no device
  // plays nothing and reports nothing.
  virtual void Play(const std::string& path, bool asynchronous) = 0;
  // Silences every sound of the program.
  virtual void Stop() = 0;
  virtual int DeviceCount() = 0;

  // The loudness of the sounds played from now on, as a factor of the recorded level: 1 plays
  // them as recorded, kQuietGain is the parent's quiet setting.
  void SetGain(float gain) { gain_ = gain; }
  float Gain() const { return gain_; }

 private:
  float gain_ = 1.0f;
};

inline constexpr float kQuietGain = 0.25f;  // about -12 dB

}  // namespace sound
