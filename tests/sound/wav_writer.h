// Small WAV files written by the tests: PCM sound of a given length, and broken variants.
#pragma once

#include <cstdint>
#include <string>

namespace sound {

struct WavShape {
  int frames = 0;
  int rate = 22050;  // frames per second
  int channels = 1;
  std::int16_t value = 0x1000;   // every sample holds it
  std::uint16_t format_tag = 1;  // 1 is PCM
};

// A 16-bit WAV file of that shape.
void WriteWav(const std::string& path, const WavShape& shape);
// A file holding exactly these bytes.
void WriteBytes(const std::string& path, const std::string& bytes);
// The bytes of a WAV file of that shape.
std::string WavBytes(const WavShape& shape);

}  // namespace sound
