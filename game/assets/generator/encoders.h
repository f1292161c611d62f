// Byte encoders of the game's file formats: JPEG pictures, 32-bit ICO cursors and icons, PNG
// desktop icons, PCM WAV.
#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

constexpr int kJpegQuality = 92;

Bytes EncodeJpeg(const Image& image);
// One 32-bit BGRA image with alpha and its AND mask per entry, smallest first as given.
Bytes EncodeIco(const std::vector<Image>& images);
// 8-bit RGBA with straight alpha.
Bytes EncodePng(const Image& image);
// 16-bit PCM, mono; samples in -1..1 are clamped.
Bytes EncodeWav(const std::vector<float>& samples, int sample_rate);

}  // namespace assetgen
