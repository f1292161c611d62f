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

}  // namespace forms
