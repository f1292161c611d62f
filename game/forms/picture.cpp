// Pictures: decoding JPEG and ICO data, and loading picture files with a content-checked cache.
#include "game/forms/picture.h"

#include <map>
#include <mutex>

#include "game/forms/errors.h"
#include "game/forms/ico_reader.h"
#include "game/forms/stb_image_decode.h"

namespace forms {
namespace {

// Screens reload the same few files at every press; a cache keyed by the file's content
// keeps that cheap while a changed or corrupted file is still decoded afresh.
struct CacheEntry {
  std::uint64_t hash;
  std::size_t size;
  PictureRef picture;
};

std::uint64_t Fnv1a(const std::vector<unsigned char>& bytes) {
  std::uint64_t hash = 0xCBF29CE484222325ull;
  for (unsigned char b : bytes) hash = (hash ^ b) * 0x100000001B3ull;
  return hash;
}

constexpr std::size_t kCacheLimit = 128;

}  // namespace

Picture::Picture(int width, int height, std::vector<std::uint32_t> argb)
    : width_(width), height_(height), argb_(std::move(argb)) {
  for (std::uint32_t p : argb_) {
    if ((p >> 24) != 0xFF) {
      opaque_ = false;
      break;
    }
  }
}

PictureRef DecodePicture(const unsigned char* bytes, std::size_t size, const std::string& name) {
  std::optional<Picture> picture =
      LooksLikeIco(bytes, size) ? DecodeIco(bytes, size) : DecodeWithStb(bytes, size);
  if (!picture || picture->Width() <= 0 || picture->Height() <= 0) {
    throw RuntimeError(ErrorCode::kInvalidPicture, "Invalid picture: " + name, name);
  }
  return std::make_shared<const Picture>(std::move(*picture));
}

PictureRef LoadPicture(const std::string& path) {
  static std::mutex mutex;
  static std::map<std::string, CacheEntry> cache;
  const std::vector<unsigned char> bytes = ReadFileBytes(path);
  const std::uint64_t hash = Fnv1a(bytes);
  {
    std::lock_guard lock(mutex);
    auto it = cache.find(path);
    if (it != cache.end() && it->second.hash == hash && it->second.size == bytes.size()) {
      return it->second.picture;
    }
  }
  PictureRef picture = DecodePicture(bytes.data(), bytes.size(), path);
  std::lock_guard lock(mutex);
  if (cache.size() >= kCacheLimit) cache.clear();
  cache[path] = {hash, bytes.size(), picture};
  return picture;
}

}  // namespace forms
