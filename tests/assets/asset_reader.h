// Readers of the asset formats for the tests: JPEG and PNG through stb_image, ICO and WAV by hand.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace assets_test {

using Bytes = std::vector<std::uint8_t>;

// 8-bit pixels, 3 (RGB) or 4 (RGBA) channels, top row first.
struct Pixels {
  int width = 0, height = 0, channels = 0;
  std::vector<std::uint8_t> data;
  const std::uint8_t* At(int x, int y) const { return &data[(y * width + x) * channels]; }
};

struct IcoImage {
  int bit_count = 0;
  Pixels pixels;             // RGBA
  std::vector<bool> masked;  // AND mask: true where the pixel is transparent
};

struct Wave {
  int format = 0, channels = 0, sample_rate = 0, bits = 0;
  std::vector<std::int16_t> samples;
};

Bytes ReadBytes(const std::string& path);
std::string AppFile(const std::string& name);  // the built file beside the game

std::optional<Pixels> DecodeJpeg(const Bytes& bytes);
std::optional<Pixels> DecodePng(const Bytes& bytes);  // empty unless the bytes are a PNG file
// Empty when the bytes are no icon file of 32-bit images (sizes, offsets, headers checked).
std::optional<std::vector<IcoImage>> ParseIco(const Bytes& bytes);
std::optional<Wave> ParseWav(const Bytes& bytes);

}  // namespace assets_test
