// stb_truetype behind the Font interface; small glyphs are cached, huge ones drawn directly.
#include "game/forms/font.h"

#include <cmath>

#include "game/forms/errors.h"
#include "game/forms/resolve_path.h"

#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#include <stb_truetype.h>

namespace forms {
namespace {

// Above this em size a cached glyph would cost megabytes; such text is rare, so it is
// rasterised at each paint instead.
constexpr float kLargestCachedPx = 200.0f;

int Codepoint(char c) {
  return static_cast<unsigned char>(c);
}  // captions are Latin-1

}  // namespace

struct Font::Impl {
  std::vector<unsigned char> ttf;
  stbtt_fontinfo info{};
  int ascent = 0, descent = 0, line_gap = 0;
};

std::shared_ptr<Font> Font::ForFolder(const std::string& app_folder) {
  static std::mutex mutex;
  static std::map<std::string, std::shared_ptr<Font>> fonts;
  std::lock_guard lock(mutex);
  auto& font = fonts[app_folder];
  if (!font) {
    const std::string path = app_folder + "\\" + kFileName;
    font = std::make_shared<Font>(ReadFileBytes(path));
  }
  return font;
}

Font::Font(std::vector<unsigned char> ttf) : impl_(std::make_unique<Impl>()) {
  impl_->ttf = std::move(ttf);
  const int offset = stbtt_GetFontOffsetForIndex(impl_->ttf.data(), 0);
  if (offset < 0 || !stbtt_InitFont(&impl_->info, impl_->ttf.data(), offset)) {
    throw RuntimeError(ErrorCode::kFileNotFound, std::string("Bad font file: ") + kFileName,
                       kFileName);
  }
  stbtt_GetFontVMetrics(&impl_->info, &impl_->ascent, &impl_->descent, &impl_->line_gap);
}

Font::~Font() = default;

int Font::TextWidth(std::string_view text, float px) const {
  const float scale = stbtt_ScaleForMappingEmToPixels(&impl_->info, px);
  float width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    int advance = 0, bearing = 0;
    stbtt_GetCodepointHMetrics(&impl_->info, Codepoint(text[i]), &advance, &bearing);
    width += advance * scale;
    if (i + 1 < text.size()) {
      width += scale * stbtt_GetCodepointKernAdvance(&impl_->info, Codepoint(text[i]),
                                                     Codepoint(text[i + 1]));
    }
  }
  return static_cast<int>(std::ceil(width));
}

int Font::LineHeight(float px) const {
  const float scale = stbtt_ScaleForMappingEmToPixels(&impl_->info, px);
  return static_cast<int>(std::ceil((impl_->ascent - impl_->descent) * scale));
}

std::vector<std::string> Font::Wrap(const std::string& text, float px, int width) const {
  std::vector<std::string> lines;
  std::string line;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    const std::string joined = line.empty() ? word : line + " " + word;
    if (!line.empty() && TextWidth(joined, px) > width) {
      lines.push_back(line);
      line = word;
    } else {
      line = joined;
    }
    start = end + 1;
  }
  lines.push_back(line);
  return lines;
}

bool Font::GlyphMeetsClip(int codepoint, float scale, int x, int baseline,
                          const PixelRect& clip) const {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  stbtt_GetCodepointBitmapBox(&impl_->info, codepoint, scale, scale, &x0, &y0, &x1, &y1);
  return !Intersect({x + x0, baseline + y0, x1 - x0, y1 - y0}, clip).Empty();
}

Font::Glyph Font::Rasterise(int codepoint, float scale) const {
  Glyph glyph;
  int x1 = 0, y1 = 0;
  stbtt_GetCodepointBitmapBox(&impl_->info, codepoint, scale, scale, &glyph.x0, &glyph.y0, &x1,
                              &y1);
  glyph.w = x1 - glyph.x0;
  glyph.h = y1 - glyph.y0;
  if (glyph.w <= 0 || glyph.h <= 0) return glyph;
  glyph.coverage.resize(static_cast<std::size_t>(glyph.w) * glyph.h);
  stbtt_MakeCodepointBitmap(&impl_->info, glyph.coverage.data(), glyph.w, glyph.h, glyph.w, scale,
                            scale, codepoint);
  return glyph;
}

const Font::Glyph& Font::CachedGlyph(int codepoint, float scale) const {
  const auto key = std::make_pair(static_cast<int>(std::lround(scale * 4096 * 64)), codepoint);
  auto it = glyphs_.find(key);
  if (it == glyphs_.end()) it = glyphs_.emplace(key, Rasterise(codepoint, scale)).first;
  return it->second;
}

void Font::DrawGlyph(Canvas& canvas, const PixelRect& clip, int x, int y, const Glyph& glyph,
                     Color color) const {
  const PixelRect r = Intersect(Intersect({x, y, glyph.w, glyph.h}, clip), canvas.Bounds());
  for (int row = r.y; row < r.y + r.h; ++row) {
    std::uint32_t* out = canvas.Row(row);
    const unsigned char* cover = glyph.coverage.data() + (row - y) * glyph.w - x;
    for (int col = r.x; col < r.x + r.w; ++col) {
      if (cover[col] != 0) out[col] = BlendPixel(out[col], color, cover[col]);
    }
  }
}

void Font::Draw(Canvas& canvas, const PixelRect& clip, int x, int y, std::string_view text,
                float px, Color color) const {
  const float scale = stbtt_ScaleForMappingEmToPixels(&impl_->info, px);
  const int baseline = y + static_cast<int>(std::lround(impl_->ascent * scale));
  std::lock_guard lock(mutex_);
  float pen = static_cast<float>(x);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int cp = Codepoint(text[i]);
    const int gx = static_cast<int>(std::lround(pen));
    if (px <= kLargestCachedPx) {
      const Glyph& g = CachedGlyph(cp, scale);
      DrawGlyph(canvas, clip, gx + g.x0, baseline + g.y0, g, color);
    } else if (GlyphMeetsClip(cp, scale, gx, baseline, clip)) {
      const Glyph g = Rasterise(cp, scale);
      DrawGlyph(canvas, clip, gx + g.x0, baseline + g.y0, g, color);
    }
    int advance = 0, bearing = 0;
    stbtt_GetCodepointHMetrics(&impl_->info, cp, &advance, &bearing);
    pen += advance * scale;
    if (i + 1 < text.size()) {
      pen += scale * stbtt_GetCodepointKernAdvance(&impl_->info, cp, Codepoint(text[i + 1]));
    }
  }
}

}  // namespace forms
