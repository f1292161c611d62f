// Reading a JPEG's declared size: a bounds-checked walk over its marker segments.
#include "game/forms/jpeg_header.h"

namespace forms {
namespace {

// Start-of-frame markers: C0 to CF but for DHT (C4), JPG (C8) and DAC (CC).
bool IsFrameHeader(unsigned char marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers that stand alone, without a length: TEM and RST0 to RST7.
bool StandsAlone(unsigned char marker) {
  return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

}  // namespace

std::optional<DeclaredSize> JpegDeclaredSize(const unsigned char* bytes, std::size_t size) {
  if (size < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return std::nullopt;
  std::size_t at = 2;
  while (at + 4 <= size) {
    if (bytes[at] != 0xFF) return std::nullopt;
    const unsigned char marker = bytes[at + 1];
    if (marker == 0xFF) {  // fill byte before a marker
      ++at;
      continue;
    }
    if (StandsAlone(marker)) {
      at += 2;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return std::nullopt;        // end of image or scan first
    const std::size_t length = (bytes[at + 2] << 8) | bytes[at + 3];  // counts itself
    if (length < 2 || length > size - at - 2) return std::nullopt;
    if (IsFrameHeader(marker)) {
      if (length < 7) return std::nullopt;
      return DeclaredSize{(bytes[at + 7] << 8) | bytes[at + 8],
                          (bytes[at + 5] << 8) | bytes[at + 6]};
    }
    at += 2 + length;
  }
  return std::nullopt;
}

int ReducedScaleEighths(int width, int height, int min_width, int min_height) {
  const auto covers = [](long side, int eighths, int wanted) {
    return (side * eighths + 7) / 8 >= wanted;
  };
  for (int eighths = 1; eighths < 8; ++eighths) {
    if (covers(width, eighths, min_width) && covers(height, eighths, min_height)) return eighths;
  }
  return 8;
}

}  // namespace forms
