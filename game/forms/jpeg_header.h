// The size a JPEG file declares, read from its frame header without decoding anything.
#pragma once

#include <cstddef>
#include <optional>

namespace forms {

struct DeclaredSize {
  int width, height;  // pixels
};

// Walks the markers from the start of image to the first frame header; nullopt when the data
// is no JPEG or ends, or breaks its own segment lengths, before a frame header.
std::optional<DeclaredSize> JpegDeclaredSize(const unsigned char* bytes, std::size_t size);

// The smallest decoding scale n/8 (n from 1 to 8) at which a width x height picture, rounded up
// as decoders round, still covers min_width x min_height: 8 (whole) when it must be larger.
int ReducedScaleEighths(int width, int height, int min_width, int min_height);

}  // namespace forms
