// Saving a painting: a name free in the folder, the PNG from stb_image_write, no half files.
#include "game/paint/painting_keeper.h"

#include <cstdio>
#include <fstream>
#include <system_error>
#include <vector>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace paint {
namespace {

void AppendBytes(void* context, void* data, int size) {
  auto* bytes = static_cast<std::vector<unsigned char>*>(context);
  const auto* begin = static_cast<const unsigned char*>(data);
  bytes->insert(bytes->end(), begin, begin + size);
}

std::vector<unsigned char> Rgb(const forms::Canvas& painting) {
  std::vector<unsigned char> rgb;
  rgb.reserve(static_cast<std::size_t>(painting.Width()) * painting.Height() * 3);
  for (int y = 0; y < painting.Height(); ++y) {
    for (int x = 0; x < painting.Width(); ++x) {
      const forms::Color pixel = painting.At(x, y);
      rgb.push_back(static_cast<unsigned char>(pixel >> 16));
      rgb.push_back(static_cast<unsigned char>(pixel >> 8));
      rgb.push_back(static_cast<unsigned char>(pixel));
    }
  }
  return rgb;
}

}  // namespace

std::string PaintingName(const std::tm& time, int number) {
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H-%M-%S", &time);
  std::string name = stamp;
  if (number > 1) name += " (" + std::to_string(number) + ")";
  return name + ".png";
}

bool WritePng(const forms::Canvas& painting, const std::filesystem::path& path) {
  if (painting.Width() <= 0 || painting.Height() <= 0) return false;
  std::vector<unsigned char> png;
  const std::vector<unsigned char> rgb = Rgb(painting);
  if (stbi_write_png_to_func(AppendBytes, &png, painting.Width(), painting.Height(), 3, rgb.data(),
                             painting.Width() * 3) == 0) {
    return false;
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  file.close();
  if (file) return true;
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return false;
}

bool PaintingKeeper::Keep(const forms::Canvas& painting) {
  const std::filesystem::path folder = folder_();
  if (folder.empty()) return Fail("the system names no pictures folder");
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error || !std::filesystem::is_directory(folder, error)) {
    return Fail(folder.string() + " cannot be made");
  }
  const std::filesystem::path path = FreeName(folder);
  if (!WritePng(painting, path)) return Fail(path.string() + " cannot be written");
  return true;
}

std::filesystem::path PaintingKeeper::FreeName(const std::filesystem::path& folder) const {
  const std::tm now = clock_();
  std::error_code error;
  for (int number = 1;; ++number) {
    std::filesystem::path path = folder / PaintingName(now, number);
    if (!std::filesystem::exists(path, error) || number >= 1000) return path;
  }
}

bool PaintingKeeper::Fail(const std::string& what) {
  if (report_) report_("The painting was not kept: " + what);
  return false;
}

}  // namespace paint
