// Pictures: decoding JPEG and ICO data, and loading picture files through a bounded cache.
#include "game/forms/picture.h"

#include "game/forms/errors.h"
#include "game/forms/ico_reader.h"
#include "game/forms/jpeg_decoder.h"
#include "game/forms/jpeg_header.h"
#include "game/forms/picture_cache.h"

namespace forms {

namespace {

// A JPEG is checked by a decode at the smallest scale: the decoder reads every byte at any
// scale, so damage anywhere shows, while the pixels made are a 64th of the whole.
std::optional<Picture> CheckedJpeg(const unsigned char* bytes, std::size_t size) {
  const std::optional<DeclaredSize> declared = JpegDeclaredSize(bytes, size);
  if (!declared || !DecodeJpeg(bytes, size, 1, 1)) return std::nullopt;
  return Picture::Jpeg(std::vector<unsigned char>(bytes, bytes + size), declared->width,
                       declared->height);
}

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

Picture::Picture(std::vector<unsigned char> jpeg, int width, int height)
    : width_(width), height_(height), jpeg_(std::move(jpeg)) {}

Picture Picture::Jpeg(std::vector<unsigned char> bytes, int width, int height) {
  return Picture(std::move(bytes), width, height);
}

const std::vector<std::uint32_t>& Picture::Pixels() const {
  if (argb_.empty() && !jpeg_.empty()) {
    std::optional<Picture> whole = DecodeJpeg(jpeg_.data(), jpeg_.size());
    // The bytes decoded when they were checked; should the decoder still refuse them (out of
    // memory), the picture shows black rather than garbage.
    argb_ =
        whole && whole->Width() == width_ && whole->Height() == height_
            ? std::move(whole->argb_)
            : std::vector<std::uint32_t>(static_cast<std::size_t>(width_) * height_, 0xFF000000u);
  }
  return argb_;
}

std::optional<Picture> Picture::DecodedFor(int width, int height) const {
  if (jpeg_.empty()) return std::nullopt;
  return DecodeJpeg(jpeg_.data(), jpeg_.size(), width, height);
}

std::size_t Picture::HeldBytes() const {
  return jpeg_.size() + argb_.size() * sizeof(std::uint32_t);
}

PictureRef DecodePicture(const unsigned char* bytes, std::size_t size, const std::string& name) {
  const bool icon = LooksLikeIco(bytes, size);
  std::optional<Picture> picture = icon ? DecodeIco(bytes, size) : CheckedJpeg(bytes, size);
  if (!picture || picture->Width() <= 0 || picture->Height() <= 0 ||
      (icon && picture->Pixels().size() !=
                   static_cast<std::size_t>(picture->Width()) * picture->Height())) {
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
