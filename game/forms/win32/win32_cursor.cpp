// CreateIconIndirect from a 32-bit top-down DIB with alpha plus a matching AND mask.
#include "game/forms/win32/win32_cursor.h"

#include <cstring>
#include <vector>

namespace forms {
namespace {

HBITMAP ColourBitmap(const Picture& picture) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = picture.Width();
  info.bmiHeader.biHeight = -picture.Height();  // top-down, like the picture's rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr) {
    // 0xAARRGGBB in memory is B, G, R, A: the DIB's byte order, with the icon's own alpha.
    std::memcpy(bits, picture.Pixels().data(), picture.Pixels().size() * sizeof(std::uint32_t));
  }
  return bitmap;
}

// Monochrome rows are padded to 16 bits; a set bit marks a transparent pixel. Systems that
// use the alpha channel ignore it, older paths and some Wine drivers do not.
HBITMAP MaskBitmap(const Picture& picture) {
  const int stride = (picture.Width() + 15) / 16 * 2;
  std::vector<unsigned char> mask(static_cast<std::size_t>(stride) * picture.Height(), 0);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const std::uint32_t argb =
          picture.Pixels()[static_cast<std::size_t>(y) * picture.Width() + x];
      if ((argb >> 24) < 128) {
        mask[static_cast<std::size_t>(y) * stride + x / 8] |=
            static_cast<unsigned char>(0x80 >> (x % 8));
      }
    }
  }
  return CreateBitmap(picture.Width(), picture.Height(), 1, 1, mask.data());
}

}  // namespace

HCURSOR CursorFromPicture(const Picture& picture) {
  if (picture.Width() <= 0 || picture.Height() <= 0) return nullptr;
  HBITMAP colour = ColourBitmap(picture);
  HBITMAP mask = MaskBitmap(picture);
  HCURSOR cursor = nullptr;
  if (colour != nullptr && mask != nullptr) {
    ICONINFO info = {};
    info.fIcon = FALSE;
    info.xHotspot = static_cast<DWORD>(picture.Width() / 2);
    info.yHotspot = static_cast<DWORD>(picture.Height() / 2);
    info.hbmMask = mask;
    info.hbmColor = colour;
    cursor = CreateIconIndirect(&info);
  }
  if (colour != nullptr) DeleteObject(colour);
  if (mask != nullptr) DeleteObject(mask);
  return cursor;
}

}  // namespace forms
