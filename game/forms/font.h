// TrueType text for labels and buttons: measuring, wrapping and anti-aliased drawing.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "game/forms/canvas.h"

namespace forms {

class Font {
 public:
  // The font file of the application folder; loaded once per folder. Throws RuntimeError
  // (file not found, naming the file) when it is missing or unreadable.
  static std::shared_ptr<Font> ForFolder(const std::string& app_folder);
  static constexpr const char* kFileName = "LiberationSans-Bold.ttf";

  explicit Font(std::vector<unsigned char> ttf);
  ~Font();

  // Sizes are the em height in pixels (points * 20 / twips-per-pixel).
  int TextWidth(std::string_view text, float px) const;
  int LineHeight(float px) const;
  // Breaks text at spaces so that each line fits in width (a single long word stays whole).
  std::vector<std::string> Wrap(const std::string& text, float px, int width) const;
  // Draws one line with its top-left corner at (x, y).
  void Draw(Canvas& canvas, const PixelRect& clip, int x, int y, std::string_view text, float px,
            Color color) const;

 private:
  struct Glyph {
    int x0 = 0, y0 = 0, w = 0, h = 0;
    std::vector<unsigned char> coverage;
  };
  const Glyph& CachedGlyph(int codepoint, float scale) const;
  Glyph Rasterise(int codepoint, float scale) const;
  bool GlyphMeetsClip(int codepoint, float scale, int x, int baseline, const PixelRect& clip) const;
  void DrawGlyph(Canvas& canvas, const PixelRect& clip, int x, int y, const Glyph& glyph,
                 Color color) const;

  struct Impl;
  std::unique_ptr<Impl> impl_;
  mutable std::mutex mutex_;
  mutable std::map<std::pair<int, int>, Glyph> glyphs_;  // (scale * 4096, codepoint)
};

}  // namespace forms
