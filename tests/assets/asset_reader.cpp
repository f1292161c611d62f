// Readers of the asset formats for the tests: JPEG and PNG through stb_image, ICO and WAV by hand.
#include "asset_reader.h"

#include <cstring>
#include <fstream>
#include <iterator>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#include <stb_image.h>

namespace assets_test {
namespace {

std::uint32_t Le(const Bytes& b, std::size_t at, int size) {
  std::uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = v << 8 | b[at + i];
  return v;
}

std::optional<IcoImage> ParseIcoImage(const Bytes& b, std::size_t at, std::size_t size, int w,
                                      int h) {
  const std::size_t stride = (w + 31) / 32 * 4;
  if (at + size > b.size() || size < 40 + std::size_t(w * h * 4) + stride * h) return {};
  if (Le(b, at, 4) != 40 || int(Le(b, at + 4, 4)) != w || int(Le(b, at + 8, 4)) != 2 * h) return {};
  IcoImage image{int(Le(b, at + 14, 2)), {w, h, 4, {}}, {}};
  if (image.bit_count != 32 || Le(b, at + 16, 4) != 0) return {};
  image.pixels.data.resize(std::size_t(w * h * 4));
  image.masked.resize(std::size_t(w * h));
  const std::size_t colours = at + 40, mask = colours + std::size_t(w * h * 4);
  for (int y = 0; y < h; ++y) {
    const int row = h - 1 - y;  // rows are stored bottom-up
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* p = &b[colours + std::size_t((row * w + x) * 4)];
      std::uint8_t* q = &image.pixels.data[std::size_t((y * w + x) * 4)];
      q[0] = p[2], q[1] = p[1], q[2] = p[0], q[3] = p[3];
      image.masked[std::size_t(y * w + x)] = b[mask + row * stride + x / 8] & (0x80 >> (x % 8));
    }
  }
  return image;
}

}  // namespace

Bytes ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), {});
}

std::string AppFile(const std::string& name) {
  return std::string(WOB_APP_DIR) + "/" + name;
}

std::optional<Pixels> DecodeJpeg(const Bytes& bytes) {
  int w = 0, h = 0, channels = 0;
  unsigned char* data =
      stbi_load_from_memory(bytes.data(), int(bytes.size()), &w, &h, &channels, 0);
  if (!data) return {};
  Pixels pixels{w, h, channels, Bytes(data, data + std::size_t(w * h * channels))};
  stbi_image_free(data);
  return pixels;
}

std::optional<Pixels> DecodePng(const Bytes& bytes) {
  if (bytes.size() < 8 || std::memcmp(bytes.data(), "\x89PNG\r\n\x1a\n", 8) != 0) return {};
  return DecodeJpeg(bytes);  // stb_image tells the two formats apart by their signatures
}

std::optional<std::vector<IcoImage>> ParseIco(const Bytes& b) {
  if (b.size() < 6 || Le(b, 0, 2) != 0 || Le(b, 2, 2) != 1) return {};
  const std::size_t count = Le(b, 4, 2);
  if (count == 0 || b.size() < 6 + 16 * count) return {};
  std::vector<IcoImage> images;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 16 * i;
    const int w = b[entry] ? b[entry] : 256, h = b[entry + 1] ? b[entry + 1] : 256;
    if (Le(b, entry + 6, 2) != 32) return {};
    auto image = ParseIcoImage(b, Le(b, entry + 12, 4), Le(b, entry + 8, 4), w, h);
    if (!image) return {};
    images.push_back(std::move(*image));
  }
  return images;
}

std::optional<Wave> ParseWav(const Bytes& b) {
  if (b.size() < 44 || std::memcmp(&b[0], "RIFF", 4) || std::memcmp(&b[8], "WAVE", 4) ||
      Le(b, 4, 4) != b.size() - 8) {
    return {};
  }
  Wave wave;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::size_t size = Le(b, at + 4, 4);
    if (at + 8 + size > b.size()) return {};
    if (!std::memcmp(&b[at], "fmt ", 4) && size >= 16) {
      wave.format = int(Le(b, at + 8, 2));
      wave.channels = int(Le(b, at + 10, 2));
      wave.sample_rate = int(Le(b, at + 12, 4));
      wave.bits = int(Le(b, at + 22, 2));
    } else if (!std::memcmp(&b[at], "data", 4)) {
      for (std::size_t i = 0; i + 1 < size; i += 2) {
        wave.samples.push_back(std::int16_t(Le(b, at + 8 + i, 2)));
      }
    }
    at += 8 + size + (size & 1);
  }
  if (wave.format == 0) return {};
  return wave;
}

}  // namespace assets_test
