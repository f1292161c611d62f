// Writes the generated files into the game's folder and the icon folder.
#pragma once

#include <filesystem>
#include <set>
#include <string>

#include "encoders.h"

namespace assetgen {

class Output {
 public:
  // Creates both folders; throws std::runtime_error when that fails.
  Output(std::filesystem::path app_dir, std::filesystem::path icon_dir);
  // A file beside the game. Throws when two names differ only in letter case: the game
  // looks its files up ignoring case.
  void App(const std::string& name, const Bytes& bytes);
  void Icon(const std::string& name, const Bytes& bytes);

 private:
  std::filesystem::path app_dir_, icon_dir_;
  std::set<std::string> folded_names_;
};

void WriteFile(const std::filesystem::path& path, const Bytes& bytes);

// A C++ source defining assets::SplashLogoJpeg() over the given JPEG bytes.
void WriteEmbeddedLogo(const std::filesystem::path& path, const Bytes& jpeg);

}  // namespace assetgen
