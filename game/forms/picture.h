// Decoded pictures (JPEG and ICO), loaded from the game's asset files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/forms/resolve_path.h"

namespace forms {

class Picture {
 public:
  Picture(int width, int height, std::vector<std::uint32_t> argb);
  // A JPEG kept as its checked file bytes: it is decoded when it is drawn, at the size it is
  // shown at, so a picture shown small never takes the memory and time of its whole size.
  static Picture Jpeg(std::vector<unsigned char> bytes, int width, int height);

  int Width() const { return width_; }    // pixels
  int Height() const { return height_; }  // pixels
  // Row-major 0xAARRGGBB pixels of the whole picture; JPEG pictures are fully opaque. A JPEG is
  // decoded whole at the first call and keeps those pixels.
  const std::vector<std::uint32_t>& Pixels() const;
  bool Opaque() const { return opaque_; }  // every alpha is 255: drawn by plain copies
  // A JPEG decoded now at the reduced scale nearest above width x height, for scaling from;
  // nullopt for a picture held decoded (an icon).
  std::optional<Picture> DecodedFor(int width, int height) const;
  std::size_t HeldBytes() const;  // the memory it holds: file bytes and decoded pixels

 private:
  Picture(std::vector<unsigned char> jpeg, int width, int height);
  int width_, height_;
  mutable std::vector<std::uint32_t> argb_;
  std::vector<unsigned char> jpeg_;  // empty when argb_ is the picture
  bool opaque_ = true;
};

using PictureRef = std::shared_ptr<const Picture>;

// Loads a JPEG or ICO file. '\' and '/' both separate folders and letter case is ignored,
// on every platform. Throws RuntimeError (file not found, invalid picture) naming the file.
PictureRef LoadPicture(const std::string& path);

// Decodes a JPEG or ICO image held in memory (pictures built into the game).
PictureRef DecodePicture(const unsigned char* bytes, std::size_t size, const std::string& name);

}  // namespace forms
