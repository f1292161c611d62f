// Small WAV files written by the tests: PCM sound of a given length, and broken variants.
#include "wav_writer.h"

#include <fstream>

namespace sound {

namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string WavBytes(const WavShape& shape) {
  const std::uint32_t data_bytes = static_cast<std::uint32_t>(shape.frames) * shape.channels * 2;
  std::string out = "RIFF";
  Put(out, 36 + data_bytes, 4);
  out += "WAVEfmt ";
  Put(out, 16, 4);
  Put(out, shape.format_tag, 2);
  Put(out, static_cast<std::uint32_t>(shape.channels), 2);
  Put(out, static_cast<std::uint32_t>(shape.rate), 4);
  Put(out, static_cast<std::uint32_t>(shape.rate * shape.channels * 2), 4);
  Put(out, static_cast<std::uint32_t>(shape.channels * 2), 2);
  Put(out, 16, 2);
  out += "data";
  Put(out, data_bytes, 4);
  for (std::uint32_t i = 0; i < data_bytes / 2; ++i)
    Put(out, static_cast<std::uint16_t>(shape.value), 2);
  return out;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

void WriteWav(const std::string& path, const WavShape& shape) {
  WriteBytes(path, WavBytes(shape));
}

}  // namespace sound
