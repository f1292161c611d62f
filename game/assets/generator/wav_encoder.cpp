// WAV encoding: a RIFF file with one PCM format chunk and one data chunk.
#include <algorithm>
#include <cmath>

#include "byte_writer.h"
#include "encoders.h"

namespace assetgen {

Bytes EncodeWav(const std::vector<float>& samples, int sample_rate) {
  constexpr unsigned kChannels = 1, kBits = 16, kBlock = kChannels * kBits / 8, kHeader = 44;
  const auto data_size = static_cast<std::uint32_t>(samples.size() * kBlock);
  ByteWriter out(kHeader + data_size);
  out.Tag("RIFF");
  out.U32(kHeader - 8 + data_size);
  out.Tag("WAVE");
  out.Tag("fmt ");
  out.U32(16);
  out.U16(1);  // PCM
  out.U16(kChannels);
  out.U32(sample_rate);
  out.U32(sample_rate * kBlock);
  out.U16(kBlock);
  out.U16(kBits);
  out.Tag("data");
  out.U32(data_size);
  for (float s : samples) {
    const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    out.U16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
  }
  return out.Take();
}

}  // namespace assetgen
