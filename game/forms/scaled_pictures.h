// Pictures scaled to the size they are shown at, shared by every image control that shows the
// same picture at the same size, and bounded in bytes: a new picture control or a firework frame
// reuses the scaling done for the one before instead of resampling its picture again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <vector>

#include "game/forms/picture.h"

namespace forms {

using ScaledPixels = std::shared_ptr<const std::vector<std::uint32_t>>;

class ScaledPictures {
 public:
  // A result larger than a quarter of the limit is never kept, so one big picture cannot push
  // out the everyday small ones.
  explicit ScaledPictures(std::size_t limit_bytes) : limit_bytes_(limit_bytes) {}

  // The picture's pixels at width x height, 0xAARRGGBB: scaled now or found from before.
  ScaledPixels Get(const PictureRef& picture, int width, int height);
  bool Keeps(std::size_t bytes) const { return bytes <= limit_bytes_ / 4; }

  std::size_t Bytes() const;  // pixel bytes held now
  std::size_t Count() const;
  void Clear();

 private:
  struct Entry {
    std::weak_ptr<const Picture> source;  // a picture that is gone is never found again
    const Picture* key;
    int width, height;
    ScaledPixels pixels;
  };

  void Drop(std::list<Entry>::iterator entry);

  const std::size_t limit_bytes_;
  mutable std::mutex mutex_;
  std::list<Entry> order_;  // most recently used first
  std::size_t bytes_ = 0;
};

// The cache behind stretched image controls: 8 MB, a screenful of pictures at 4K.
ScaledPictures& SharedScaledPictures();

}  // namespace forms
