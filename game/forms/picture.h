// Decoded pictures (JPEG and ICO), loaded from the game's asset files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/forms/resolve_path.h"

namespace forms {

class Picture {
 public:
  Picture(int width, int height, std::vector<std::uint32_t> argb);
  int Width() const { return width_; }    // pixels
  int Height() const { return height_; }  // pixels
  // Row-major 0xAARRGGBB pixels; JPEG pictures are fully opaque.
  const std::vector<std::uint32_t>& Pixels() const { return argb_; }
  bool Opaque() const { return opaque_; }  // every alpha is 255: drawn by plain copies

 private:
  int width_, height_;
  std::vector<std::uint32_t> argb_;
  bool opaque_ = true;
};

using PictureRef = std::shared_ptr<const Picture>;

// Loads a JPEG or ICO file. '\' and '/' both separate folders and letter case is ignored,
// on every platform. Throws RuntimeError (file not found, invalid picture) naming the file.
PictureRef LoadPicture(const std::string& path);

// Decodes a JPEG or ICO image held in memory (pictures built into the game).
PictureRef DecodePicture(const unsigned char* bytes, std::size_t size, const std::string& name);

}  // namespace forms
