// The bounded cache of decoded picture files.
#include "game/forms/picture_cache.h"

namespace forms {
namespace {

constexpr std::size_t kLoadedPicturesLimit = 12u * 1024 * 1024;

std::uint64_t Fnv1a(const std::vector<unsigned char>& bytes) {
  std::uint64_t hash = 0xCBF29CE484222325ull;
  for (unsigned char b : bytes) hash = (hash ^ b) * 0x100000001B3ull;
  return hash;
}

}  // namespace

std::size_t PixelBytes(const Picture& picture) {
  return picture.HeldBytes();
}

PictureRef PictureCache::Find(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::lock_guard lock(mutex_);
  const auto found = by_path_.find(path);
  if (found == by_path_.end()) return nullptr;
  const Order::iterator entry = found->second;
  if (entry->size != bytes.size() || entry->hash != Fnv1a(bytes)) return nullptr;
  order_.splice(order_.begin(), order_, entry);
  return entry->picture;
}

void PictureCache::Store(const std::string& path, const std::vector<unsigned char>& bytes,
                         PictureRef picture) {
  std::lock_guard lock(mutex_);
  const auto found = by_path_.find(path);
  if (found != by_path_.end()) {
    bytes_ -= PixelBytes(*found->second->picture);
    order_.erase(found->second);
    by_path_.erase(found);
  }
  const std::size_t size = PixelBytes(*picture);
  if (size > limit_bytes_ / 4) return;
  EvictTo(limit_bytes_ - size);
  order_.push_front({path, Fnv1a(bytes), bytes.size(), std::move(picture)});
  by_path_[path] = order_.begin();
  bytes_ += size;
}

void PictureCache::EvictTo(std::size_t limit) {
  while (bytes_ > limit && !order_.empty()) {
    bytes_ -= PixelBytes(*order_.back().picture);
    by_path_.erase(order_.back().path);
    order_.pop_back();
  }
}

std::size_t PictureCache::Bytes() const {
  std::lock_guard lock(mutex_);
  return bytes_;
}

void PictureCache::Clear() {
  std::lock_guard lock(mutex_);
  EvictTo(0);
}

std::size_t PictureCache::Count() const {
  std::lock_guard lock(mutex_);
  return order_.size();
}

PictureCache& LoadedPictures() {
  static PictureCache cache(kLoadedPicturesLimit);
  return cache;
}

}  // namespace forms
