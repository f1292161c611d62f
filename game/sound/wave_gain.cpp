// The chunks of a RIFF WAVE file walked with every length checked against the file's end.
#include "game/sound/wave_gain.h"

#include <cmath>
#include <cstring>

namespace sound {
namespace {

std::uint32_t Read32(const std::uint8_t* at) {
  return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

std::uint16_t Read16(const std::uint8_t* at) {
  return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

struct Chunks {
  bool pcm16 = false;
  std::size_t data = 0, data_size = 0;  // bytes
};

Chunks FindChunks(const std::vector<std::uint8_t>& wav) {
  Chunks found;
  std::size_t at = 12;
  while (at + 8 <= wav.size()) {
    const std::uint32_t size = Read32(&wav[at + 4]);
    if (size > wav.size() - at - 8) return {};
    if (std::memcmp(&wav[at], "fmt ", 4) == 0 && size >= 16) {
      found.pcm16 = Read16(&wav[at + 8]) == 1 && Read16(&wav[at + 22]) == 16;
    } else if (std::memcmp(&wav[at], "data", 4) == 0) {
      found.data = at + 8;
      found.data_size = size;
    }
    at += 8 + size + (size & 1);  // chunks are padded to an even length
  }
  return found;
}

}  // namespace

bool ScalePcm16Wave(std::vector<std::uint8_t>& wav, float gain) {
  if (wav.size() < 12 || std::memcmp(wav.data(), "RIFF", 4) != 0 ||
      std::memcmp(&wav[8], "WAVE", 4) != 0) {
    return false;
  }
  const Chunks chunks = FindChunks(wav);
  if (!chunks.pcm16 || chunks.data == 0) return false;
  for (std::size_t i = chunks.data; i + 1 < chunks.data + chunks.data_size; i += 2) {
    const auto sample = static_cast<std::int16_t>(Read16(&wav[i]));
    const auto scaled = static_cast<std::int16_t>(std::lround(sample * gain));
    wav[i] = static_cast<std::uint8_t>(scaled & 0xFF);
    wav[i + 1] = static_cast<std::uint8_t>((scaled >> 8) & 0xFF);
  }
  return true;
}

}  // namespace sound
