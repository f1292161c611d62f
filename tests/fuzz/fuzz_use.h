// What the game does with a decoded picture, so that the fuzzers reach every pixel.
#pragma once

#include <cstdint>
#include <stdexcept>

#include "game/forms/picture.h"
#include "game/forms/picture_limits.h"
#include "game/forms/picture_scaler.h"

namespace fuzz {

// Every decoded picture keeps the promises its users rely on; a broken one aborts the run.
inline void CheckShape(const forms::Picture& picture) {
  const std::int64_t w = picture.Width(), h = picture.Height();
  if (!forms::SanePictureSize(w, h) || picture.Pixels().size() != static_cast<std::size_t>(w * h)) {
    __builtin_trap();
  }
}

// Cursors are drawn at their own size: every pixel is read.
inline void UseAsCursor(const forms::Picture& picture) {
  CheckShape(picture);
  std::uint32_t all = 0;
  for (std::uint32_t pixel : picture.Pixels()) all |= pixel;
  if (all == 0x12345678u) throw std::logic_error("unreachable");  // keeps the reads
}

// Pictures are stretched into their controls: a small and a wider-than-tall target.
inline void UseAsPicture(const forms::Picture& picture) {
  UseAsCursor(picture);
  forms::ScalePicture(picture, 7, 5);
  forms::ScalePicture(picture, picture.Width(), 3);
}

}  // namespace fuzz
