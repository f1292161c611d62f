// The image control: a picture stretched to the control or at its natural size.
#include <algorithm>

#include "game/forms/controls.h"
#include "game/forms/scaled_pictures.h"

namespace forms {

void Image::SetPicture(PictureRef picture) {
  if (picture != picture_) {
    scaled_.reset();
    scaled_source_.reset();
  }
  picture_ = std::move(picture);
  Invalidate();
}

void Image::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  Invalidate();
}

void Image::SetBorderStyle(int style) {
  border_style_ = style;
  Invalidate();
}

void Image::SetAppearance(int appearance) {
  appearance_ = appearance;
  Invalidate();
}

const std::uint32_t* Image::Scaled(int width, int height) {
  // Scaling needs both sides to differ from the picture's for nothing.
  if (width == picture_->Width() && height == picture_->Height()) return picture_->Pixels().data();
  if (!scaled_ || scaled_source_ != picture_ || scaled_width_ != width ||
      scaled_height_ != height) {
    scaled_ = SharedScaledPictures().Get(picture_, width, height);
    scaled_source_ = picture_;
    scaled_width_ = width;
    scaled_height_ = height;
  }
  return scaled_->data();
}

void Image::DrawPixels(Canvas& canvas, const PixelRect& clip, const std::uint32_t* pixels, int x,
                       int y, int width, int height) const {
  const PixelRect r = Intersect(Intersect({x, y, width, height}, clip), canvas.Bounds());
  if (picture_->Opaque()) {
    for (int row = r.y; row < r.y + r.h; ++row) {
      std::uint32_t* out = canvas.Row(row) + r.x;
      const std::uint32_t* in = pixels + static_cast<std::size_t>(row - y) * width + (r.x - x);
      for (int i = 0; i < r.w; ++i) out[i] = in[i] & 0xFFFFFF;
    }
    return;
  }
  for (int row = r.y; row < r.y + r.h; ++row) {
    std::uint32_t* out = canvas.Row(row);
    const std::uint32_t* in = pixels + static_cast<std::size_t>(row - y) * width - x;
    for (int col = r.x; col < r.x + r.w; ++col) {
      const std::uint32_t alpha = in[col] >> 24;
      if (alpha == 255) {
        out[col] = in[col] & 0xFFFFFF;
      } else if (alpha != 0) {
        out[col] = BlendPixel(out[col], in[col] & 0xFFFFFF, alpha);
      }
    }
  }
}

void Image::Paint(Canvas& canvas, const PixelRect& clip) {
  const PixelRect box = BoundsOnForm();
  if (picture_ && box.w > 0 && box.h > 0) {
    if (stretch_) {
      DrawPixels(canvas, clip, Scaled(box.w, box.h), box.x, box.y, box.w, box.h);
      // A picture too big to share is not held either: the frame keeps it drawn, and it is
      // scaled again only when its area must be drawn anew.
      if (scaled_ && !SharedScaledPictures().Keeps(scaled_->size() * sizeof(std::uint32_t))) {
        scaled_.reset();
      }
    } else {
      DrawPixels(canvas, Intersect(clip, box), picture_->Pixels().data(), box.x, box.y,
                 picture_->Width(), picture_->Height());
    }
  }
  if (border_style_ == 1) {
    canvas.Fill({box.x, box.y, box.w, 1}, clip, 0x000000);
    canvas.Fill({box.x, box.y + box.h - 1, box.w, 1}, clip, 0x000000);
    canvas.Fill({box.x, box.y, 1, box.h}, clip, 0x000000);
    canvas.Fill({box.x + box.w - 1, box.y, 1, box.h}, clip, 0x000000);
  }
}

}  // namespace forms
