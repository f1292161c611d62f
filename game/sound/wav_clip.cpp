// A PCM WAV file read into memory: the "fmt " and "data" chunks, every length checked.
#include "game/sound/wav_clip.h"

#include <cstring>

namespace sound {
namespace {

std::uint32_t Little(std::string_view bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = value << 8 | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

bool ReadFormat(std::string_view chunk, WavClip& clip) {
  if (chunk.size() < 16 || Little(chunk, 0, 2) != 1) return false;  // 1: PCM
  clip.channels = static_cast<std::uint16_t>(Little(chunk, 2, 2));
  clip.frames_per_second = Little(chunk, 4, 4);
  clip.bits = static_cast<std::uint16_t>(Little(chunk, 14, 2));
  return (clip.channels == 1 || clip.channels == 2) && (clip.bits == 8 || clip.bits == 16) &&
         clip.frames_per_second >= 1000 && clip.frames_per_second <= 192000;
}

}  // namespace

double WavClip::Seconds() const {
  const std::size_t frame = static_cast<std::size_t>(channels) * bits / 8;
  return frame == 0 ? 0 : static_cast<double>(data.size() / frame) / frames_per_second;
}

std::optional<WavClip> ParseWavClip(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return std::nullopt;
  }
  WavClip clip;
  bool format = false;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::string_view id = bytes.substr(at, 4);
    const std::size_t size = Little(bytes, at + 4, 4);
    if (size > bytes.size() - at - 8) return std::nullopt;
    const std::string_view chunk = bytes.substr(at + 8, size);
    if (id == "fmt ") {
      format = ReadFormat(chunk, clip);
      if (!format) return std::nullopt;
    } else if (id == "data" && format) {
      const std::size_t frame = static_cast<std::size_t>(clip.channels) * clip.bits / 8;
      clip.data.assign(chunk.begin(), chunk.begin() + static_cast<long>(size - size % frame));
      return clip;
    }
    at += 8 + size + size % 2;  // chunks are padded to even lengths
  }
  return std::nullopt;
}

}  // namespace sound
