// Small picture files written by tests: PNG snapshots, JPEG and ICO pictures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wobtest {

// Pixels are 0xAARRGGBB (JPEG and PNG ignore alpha), row-major, width * height of them.
bool WritePng(const std::string& path, int width, int height,
              const std::vector<std::uint32_t>& pixels);
bool WriteJpeg(const std::string& path, int width, int height,
               const std::vector<std::uint32_t>& pixels);
// A one-image 32-bit icon with alpha, with an all-visible AND mask.
bool WriteIco(const std::string& path, int width, int height,
              const std::vector<std::uint32_t>& pixels);
// A width x height picture of one colour.
std::vector<std::uint32_t> Solid(int width, int height, std::uint32_t argb);

}  // namespace wobtest
