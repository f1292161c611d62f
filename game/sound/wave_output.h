// The platform's sound output: wave files as PlaySoundA and waveOutGetNumDevs give them on
// Windows, and a voice of its own for the spoken names.
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
  // Speaks a name's clip on the voice, beside the wave sound: neither cuts the other off, and
  // Stop leaves the voice alone. While a clip is heard, the newest one asked for waits and
  // replaces any that waited before it, so a flood of names never builds a backlog.
  virtual void Say(const std::string& path) = 0;

  // The loudness of the sounds played from now on, as a factor of the recorded level: 1 plays
  // them as recorded, kQuietGain is the parent's quiet setting.
  void SetGain(float gain) { gain_ = gain; }
  float Gain() const { return gain_; }

 private:
  float gain_ = 1.0f;
};

inline constexpr float kQuietGain = 0.25f;  // about -12 dB

}  // namespace sound
