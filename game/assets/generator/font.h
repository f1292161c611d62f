// Glyph outlines of a TrueType font, turned into shapes for big anti-aliased letters and digits.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "shape.h"

namespace assetgen {

class Font {
 public:
  // Throws std::runtime_error when the file can't be read or isn't a TrueType font.
  explicit Font(const std::string& path);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // The outline of text whose ink box is centred on (cx, cy), capitals cap_height pixels tall;
  // tracking adds pixels between letters.
  Shape Text(std::string_view text, float cx, float cy, float cap_height,
             float tracking = 0.0f) const;
  // As Text, centred in area, capitals at most cap_height tall and smaller where the ink
  // (a wide W, the tail of a Q) would leave the area.
  Shape Fitted(std::string_view text, Box area, float cap_height) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace assetgen
