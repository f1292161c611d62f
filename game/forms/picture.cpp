// Pictures: decoding JPEG and ICO data, and loading picture files through a bounded cache.
#include "game/forms/picture.h"

#include "game/forms/errors.h"
#include "game/forms/ico_reader.h"
#include "game/forms/jpeg_decoder.h"
#include "game/forms/picture_cache.h"

namespace forms {

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
      LooksLikeIco(bytes, size) ? DecodeIco(bytes, size) : DecodeJpeg(bytes, size);
  if (!picture || picture->Width() <= 0 || picture->Height() <= 0 ||
      picture->Pixels().size() != static_cast<std::size_t>(picture->Width()) * picture->Height()) {
    ThrowInvalidPicture(name);
  }
  return std::make_shared<const Picture>(std::move(*picture));
}

// Screens reload the same few files at every press; the cache keeps that cheap while a
// changed or damaged file is still decoded afresh.
PictureRef LoadPicture(const std::string& path) {
  const std::vector<unsigned char> bytes = ReadFileBytes(path);
  if (PictureRef cached = LoadedPictures().Find(path, bytes)) return cached;
  PictureRef picture = DecodePicture(bytes.data(), bytes.size(), path);
  LoadedPictures().Store(path, bytes, picture);
  return picture;
}

}  // namespace forms
