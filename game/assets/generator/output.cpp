// Writes the generated files into the game's folder and the icon folder.
#include "output.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

namespace assetgen {
namespace fs = std::filesystem;
namespace {

std::string Folded(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name;
}

void MakeFolder(const fs::path& dir) {
  std::error_code error;
  fs::create_directories(dir, error);
  if (error || !fs::is_directory(dir)) {
    throw std::runtime_error("cannot create the folder " + dir.string());
  }
}

}  // namespace

Output::Output(fs::path app_dir, fs::path icon_dir)
    : app_dir_(std::move(app_dir)), icon_dir_(std::move(icon_dir)) {
  MakeFolder(app_dir_);
  MakeFolder(icon_dir_);
}

void Output::App(const std::string& name, const Bytes& bytes) {
  if (!folded_names_.insert(Folded(name)).second) {
    throw std::logic_error("two asset files named " + name + " when letter case is ignored");
  }
  WriteFile(app_dir_ / name, bytes);
}

void Output::Icon(const std::string& name, const Bytes& bytes) {
  WriteFile(icon_dir_ / name, bytes);
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

void WriteEmbeddedLogo(const fs::path& path, const Bytes& jpeg) {
  std::string text =
      "// The splash screen's logo picture (JPEG), made by the asset generator.\n"
      "#include \"game/assets/embedded.h\"\n\n"
      "namespace assets {\nnamespace {\n\nconstexpr unsigned char kSplashLogo[] = {";
  for (std::size_t i = 0; i < jpeg.size(); ++i) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02x,", jpeg[i]);
    text += (i % 16 == 0 ? "\n    " : " ") + std::string(hex);
  }
  text +=
      "\n};\n\n}  // namespace\n\n"
      "std::span<const unsigned char> SplashLogoJpeg() { return kSplashLogo; }\n\n"
      "}  // namespace assets\n";
  WriteFile(path, Bytes(text.begin(), text.end()));
}

}  // namespace assetgen
