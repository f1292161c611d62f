// Decoded pictures of recently loaded files, bounded in bytes and checked against file content.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "game/forms/picture.h"

namespace forms {

class PictureCache {
 public:
  // A picture larger than a quarter of the limit is never kept, so it cannot push out the
  // small everyday ones, and nothing pins more than limit_bytes once its users let go.
  explicit PictureCache(std::size_t limit_bytes) : limit_bytes_(limit_bytes) {}

  // The picture decoded earlier from these very bytes of path; null when there is none.
  PictureRef Find(const std::string& path, const std::vector<unsigned char>& bytes);
  void Store(const std::string& path, const std::vector<unsigned char>& bytes, PictureRef picture);

  std::size_t Bytes() const;  // pixel bytes held now
  std::size_t Count() const;
  void Clear();

 private:
  struct Entry {
    std::string path;
    std::uint64_t hash;
    std::size_t size;
    PictureRef picture;
  };
  using Order = std::list<Entry>;  // most recently used first

  void EvictTo(std::size_t limit);

  const std::size_t limit_bytes_;
  mutable std::mutex mutex_;
  Order order_;
  std::unordered_map<std::string, Order::iterator> by_path_;
  std::size_t bytes_ = 0;
};

std::size_t PixelBytes(const Picture& picture);  // what it holds: JPEGs keep only their bytes

// The cache behind LoadPicture: 12 MB, every picture of a screen many times over.
PictureCache& LoadedPictures();

}  // namespace forms
