// The label: text in the game's TrueType font, aligned, wrapped, optionally sized to its text.
#include <algorithm>

#include "game/forms/application.h"
#include "game/forms/controls.h"
#include "game/forms/font.h"
#include "game/forms/form.h"

namespace forms {
namespace {

constexpr float kLargestPoints = 2160.0f;  // the runtime's upper limit for a font size

std::shared_ptr<Font> FontOf(const Control& control) {
  return Font::ForFolder(control.Owner().App().Path());
}

}  // namespace

float Label::PixelSize() const {
  return font_size_ * 20.0f / static_cast<float>(TwipsPerPixel());
}

void Label::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  FitToText();
  Invalidate();
}

void Label::SetFontSize(float points) {
  font_size_ = std::clamp(points, 1.0f, kLargestPoints);
  FitToText();
  Invalidate();
}

void Label::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void Label::SetForeColor(Color color) {
  fore_color_ = color;
  Invalidate();
}

void Label::SetBackColor(Color color) {
  back_color_ = color;
  Invalidate();
}

void Label::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

void Label::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  FitToText();
}

void Label::FitToText() {
  if (!auto_size_) return;
  const auto font = FontOf(*this);
  const int tpp = TwipsPerPixel();
  const float width = static_cast<float>(font->TextWidth(caption_, PixelSize()) * tpp);
  const float right = Left() + Width(), centre = Left() + Width() / 2;
  SetWidth(width);
  SetHeight(static_cast<float>(font->LineHeight(PixelSize()) * tpp));
  if (alignment_ == Alignment::kRight) SetLeft(right - Width());
  if (alignment_ == Alignment::kCentre) SetLeft(centre - Width() / 2);
}

void Label::Paint(Canvas& canvas, const PixelRect& clip) {
  const PixelRect box = BoundsOnForm();
  const PixelRect inside = Intersect(box, clip);
  if (!transparent_) canvas.Fill(box, clip, ResolveColor(back_color_));
  if (caption_.empty()) return;
  const auto font = FontOf(*this);
  const float px = PixelSize();
  const std::vector<std::string> lines =
      auto_size_ ? std::vector<std::string>{caption_} : font->Wrap(caption_, px, box.w);
  int y = box.y;
  for (const std::string& line : lines) {
    const int free = box.w - font->TextWidth(line, px);
    int x = box.x;
    if (alignment_ == Alignment::kRight) x += free;
    if (alignment_ == Alignment::kCentre) x += free / 2;
    font->Draw(canvas, inside, x, y, line, px, ResolveColor(fore_color_));
    y += font->LineHeight(px);
    if (y >= inside.y + inside.h) break;
  }
}

}  // namespace forms
