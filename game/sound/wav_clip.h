// A PCM WAV file read into memory, checked field by field, for the voice's player.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace sound {

struct WavClip {
  std::uint16_t channels = 0;
  std::uint32_t frames_per_second = 0;
  std::uint16_t bits = 0;          // per sample: 8 or 16
  std::vector<std::uint8_t> data;  // the samples, interleaved, whole frames only

  double Seconds() const;
};

// Null unless bytes hold a RIFF WAVE file with PCM samples of 8 or 16 bits, 1 or 2 channels.
std::optional<WavClip> ParseWavClip(std::string_view bytes);

}  // namespace sound
