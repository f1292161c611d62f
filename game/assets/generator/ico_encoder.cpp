// ICO encoding: each image a BITMAPINFOHEADER, bottom-up BGRA rows and a 1-bit AND mask.
#include <algorithm>
#include <stdexcept>

#include "byte_writer.h"
#include "encoders.h"

namespace assetgen {
namespace {

constexpr int kDirectorySize = 6, kEntrySize = 16, kInfoHeaderSize = 40;

int MaskStride(int width) {
  return (width + 31) / 32 * 4;
}

std::uint32_t ImageBytes(const Image& image) {
  return kInfoHeaderSize + image.Width() * image.Height() * 4 +
         MaskStride(image.Width()) * image.Height();
}

void PutImage(ByteWriter& out, const Image& image) {
  const int w = image.Width(), h = image.Height();
  out.U32(kInfoHeaderSize);
  out.U32(w);
  out.U32(h * 2);  // colour rows plus mask rows
  out.U16(1);
  out.U16(32);
  out.U32(0);
  out.U32(ImageBytes(image) - kInfoHeaderSize);
  for (int i = 0; i < 4; ++i) out.U32(0);
  const std::vector<std::uint8_t> rgba = image.ToRgba();
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* p = &rgba[(y * w + x) * 4];
      for (int channel : {2, 1, 0, 3}) out.U8(p[channel]);
    }
  }
  for (int y = h - 1; y >= 0; --y) {
    for (int byte = 0; byte < MaskStride(w); ++byte) {
      unsigned bits = 0;
      for (int x = byte * 8; x < std::min(w, byte * 8 + 8); ++x) {
        if (rgba[(y * w + x) * 4 + 3] == 0) bits |= 0x80u >> (x % 8);  // transparent
      }
      out.U8(bits);
    }
  }
}

}  // namespace

Bytes EncodeIco(const std::vector<Image>& images) {
  std::uint32_t total = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(images.size());
  for (const Image& image : images) {
    if (image.Width() < 1 || image.Width() > 256 || image.Height() < 1 || image.Height() > 256) {
      throw std::invalid_argument("an icon image is 1 to 256 pixels wide and high");
    }
    total += ImageBytes(image);
  }
  ByteWriter out(total);
  out.U16(0);
  out.U16(1);  // icon
  out.U16(static_cast<unsigned>(images.size()));
  std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(images.size());
  for (const Image& image : images) {
    out.U8(image.Width() % 256);  // 0 means 256
    out.U8(image.Height() % 256);
    out.U8(0);
    out.U8(0);
    out.U16(1);
    out.U16(32);
    out.U32(ImageBytes(image));
    out.U32(offset);
    offset += ImageBytes(image);
  }
  for (const Image& image : images) PutImage(out, image);
  return out.Take();
}

}  // namespace assetgen
