// Wave files played through SDL audio with the behaviour of Windows' PlaySoundA.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "game/sound/wave_output.h"

namespace sound {

// One sound at a time, as PlaySoundA plays them: a new play (even one that fails) cuts the
// sound before it off. The voice is mixed in beside it. The audio device opens at the first
// play, so a machine without sound runs the game just the same.
class SdlWaveOutput : public WaveOutput {
 public:
  // Turns the game's file names into paths of this file system (letter case, separators).
  using PathResolver = std::function<std::string(const std::string&)>;
  explicit SdlWaveOutput(PathResolver resolve = {});
  ~SdlWaveOutput() override;
  SdlWaveOutput(const SdlWaveOutput&) = delete;
  SdlWaveOutput& operator=(const SdlWaveOutput&) = delete;

  void Play(const std::string& path, bool asynchronous) override;
  void Stop() override;
  int DeviceCount() override;
  void Say(const std::string& path) override;
  std::string NowPlaying();  // the file being heard; empty when silent
  std::string NowSaying();   // the clip the voice says; empty when it is silent
  std::string NextSaying();  // the clip waiting for the voice; empty when none

 private:
  bool StartAudio();
  bool OpenDevice();
  std::vector<std::uint8_t> LoadForDevice(const std::string& path);
  void ScaleSamples(std::vector<std::uint8_t>& samples) const;
  static void FillCallback(void* self, std::uint8_t* stream, int length);
  void Fill(std::uint8_t* stream, int length);
  // Mixes what is left of a sound into the stream; true when the sound has ended.
  bool MixFrom(const std::vector<std::uint8_t>& sound, std::size_t& position, std::uint8_t* stream,
               std::size_t length);
  void NextClip();
  void WaitUntilEnded(std::uint64_t sound, double seconds);

  PathResolver resolve_;
  bool audio_started_ = false, audio_failed_ = false, device_failed_ = false;
  std::uint32_t device_ = 0;
  // The device's format.
  int frequency_ = 0;  // frames per second
  std::uint16_t format_ = 0;
  std::uint8_t channels_ = 0, silence_ = 0;
  int frame_bytes_ = 1;

  // Shared with SDL's audio thread.
  std::mutex mutex_;
  std::condition_variable ended_;
  std::vector<std::uint8_t> samples_;  // the sound playing, in the device's format
  std::size_t position_ = 0;           // bytes already played
  std::string playing_;
  std::uint64_t sound_ = 0;  // counts the sounds started and stopped
  struct Clip {
    std::string path;
    std::vector<std::uint8_t> samples;  // in the device's format
  };
  Clip saying_, waiting_;            // the voice's clip and the one after it
  std::size_t saying_position_ = 0;  // bytes of saying_ already played
};

}  // namespace sound
