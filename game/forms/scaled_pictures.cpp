// The bounded cache of scaled pictures.
#include "game/forms/scaled_pictures.h"

#include "game/forms/picture_scaler.h"

namespace forms {
namespace {

constexpr std::size_t kSharedLimit = 8u * 1024 * 1024;

std::size_t SizeOf(const ScaledPixels& pixels) {
  return pixels->size() * sizeof(std::uint32_t);
}

}  // namespace

ScaledPixels ScaledPictures::Get(const PictureRef& picture, int width, int height) {
  {
    std::lock_guard lock(mutex_);
    for (auto it = order_.begin(); it != order_.end();) {
      const auto next = std::next(it);
      if (it->source.expired()) {
        Drop(it);  // its picture is gone: nothing can ask for it again
      } else if (it->key == picture.get() && it->width == width && it->height == height) {
        order_.splice(order_.begin(), order_, it);
        return it->pixels;
      }
      it = next;
    }
  }
  auto pixels =
      std::make_shared<const std::vector<std::uint32_t>>(ScalePicture(*picture, width, height));
  const std::size_t size = SizeOf(pixels);
  if (!Keeps(size)) return pixels;
  std::lock_guard lock(mutex_);
  while (bytes_ + size > limit_bytes_ && !order_.empty()) Drop(std::prev(order_.end()));
  order_.push_front({picture, picture.get(), width, height, pixels});
  bytes_ += size;
  return pixels;
}

void ScaledPictures::Drop(std::list<Entry>::iterator entry) {
  bytes_ -= SizeOf(entry->pixels);
  order_.erase(entry);
}

std::size_t ScaledPictures::Bytes() const {
  std::lock_guard lock(mutex_);
  return bytes_;
}

void ScaledPictures::Clear() {
  std::lock_guard lock(mutex_);
  order_.clear();
  bytes_ = 0;
}

std::size_t ScaledPictures::Count() const {
  std::lock_guard lock(mutex_);
  return order_.size();
}

ScaledPictures& SharedScaledPictures() {
  static ScaledPictures cache(kSharedLimit);
  return cache;
}

}  // namespace forms
