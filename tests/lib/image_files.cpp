// Test picture files through stb_image_write (static copy) and a tiny icon writer.
#include "tests/lib/image_files.h"

#include <fstream>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>

namespace wobtest {
namespace {

std::vector<unsigned char> ToRgb(const std::vector<std::uint32_t>& pixels) {
  std::vector<unsigned char> rgb;
  rgb.reserve(pixels.size() * 3);
  for (std::uint32_t p : pixels) {
    rgb.push_back(static_cast<unsigned char>(p >> 16));
    rgb.push_back(static_cast<unsigned char>(p >> 8));
    rgb.push_back(static_cast<unsigned char>(p));
  }
  return rgb;
}

void Put16(std::string& out, unsigned v) {
  out += static_cast<char>(v & 255);
  out += static_cast<char>((v >> 8) & 255);
}

void Put32(std::string& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

bool WritePng(const std::string& path, int width, int height,
              const std::vector<std::uint32_t>& pixels) {
  const auto rgb = ToRgb(pixels);
  return stbi_write_png(path.c_str(), width, height, 3, rgb.data(), width * 3) != 0;
}

bool WriteJpeg(const std::string& path, int width, int height,
               const std::vector<std::uint32_t>& pixels) {
  const auto rgb = ToRgb(pixels);
  return stbi_write_jpg(path.c_str(), width, height, 3, rgb.data(), 95) != 0;
}

bool WriteIco(const std::string& path, int width, int height,
              const std::vector<std::uint32_t>& pixels) {
  const unsigned mask_stride = ((width + 31) / 32) * 4;
  const unsigned data_size = 40 + width * height * 4 + mask_stride * height;
  std::string out;
  Put16(out, 0), Put16(out, 1), Put16(out, 1);  // icon directory with one entry
  out += static_cast<char>(width & 255), out += static_cast<char>(height & 255);
  out += '\0', out += '\0';
  Put16(out, 1), Put16(out, 32), Put32(out, data_size), Put32(out, 22);
  Put32(out, 40), Put32(out, width), Put32(out, height * 2);  // colour rows and mask rows
  Put16(out, 1), Put16(out, 32);
  for (int i = 0; i < 6; ++i) Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) Put32(out, pixels[y * width + x]);
  }
  out.append(mask_stride * height, '\0');
  std::ofstream file(path, std::ios::binary);
  file << out;
  return static_cast<bool>(file);
}

std::vector<std::uint32_t> Solid(int width, int height, std::uint32_t argb) {
  return std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, argb);
}

}  // namespace wobtest
