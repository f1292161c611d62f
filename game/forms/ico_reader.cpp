// A small icon reader: PNG entries through stb_image, DIB entries of 32/24/8/4/1 bits per pixel.
#include "game/forms/ico_reader.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "game/forms/stb_image_decode.h"

namespace forms {
namespace {

struct Reader {
  const unsigned char* data;
  std::size_t size;
  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= size && count <= size - offset;
  }
  std::uint32_t U16(std::size_t at) const { return data[at] | (data[at + 1] << 8); }
  std::uint32_t U32(std::size_t at) const {
    return U16(at) | (static_cast<std::uint32_t>(U16(at + 2)) << 16);
  }
};

struct Entry {
  int width, height, bits;
  std::size_t offset, size;
};

std::optional<Entry> LargestEntry(const Reader& r) {
  const std::uint32_t count = r.U16(4);
  std::optional<Entry> best;
  for (std::uint32_t i = 0; i < count && r.Has(6 + i * 16, 16); ++i) {
    const std::size_t at = 6 + i * 16;
    Entry e{r.data[at] ? r.data[at] : 256, r.data[at + 1] ? r.data[at + 1] : 256,
            static_cast<int>(r.U16(at + 6)), r.U32(at + 12), r.U32(at + 8)};
    if (!r.Has(e.offset, e.size)) continue;
    const bool better = !best || e.width * e.height > best->width * best->height ||
                        (e.width * e.height == best->width * best->height && e.bits > best->bits);
    if (better) best = e;
  }
  return best;
}

std::size_t Stride(int width, int bits) {
  return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
}

std::uint32_t ColourAt(const Reader& r, std::size_t row, int x, int bits, std::size_t palette) {
  if (bits == 32) return r.U32(row + x * 4);
  if (bits == 24) {
    const std::size_t at = row + x * 3;
    return 0xFF000000u | (r.data[at + 2] << 16) | (r.data[at + 1] << 8) | r.data[at];
  }
  const int per_byte = 8 / bits;
  const int shift = 8 - bits * (x % per_byte + 1);
  const int index = (r.data[row + x / per_byte] >> shift) & ((1 << bits) - 1);
  return 0xFF000000u | (r.U32(palette + index * 4) & 0xFFFFFF);
}

// Without an alpha channel the AND mask says which pixels show; no mask: all of them.
void ApplyMask(const Reader& r, std::size_t mask, int width, int height,
               std::vector<std::uint32_t>& argb) {
  const std::size_t stride = Stride(width, 1);
  for (int y = 0; y < height; ++y) {
    const std::size_t row = mask + stride * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const bool clear = mask != 0 && ((r.data[row + x / 8] >> (7 - x % 8)) & 1);
      argb[y * width + x] = clear ? 0 : (argb[y * width + x] | 0xFF000000u);
    }
  }
}

std::optional<Picture> DecodeDib(const Reader& r, const Entry& e) {
  if (!r.Has(e.offset, 40)) return std::nullopt;
  const std::size_t header = r.U32(e.offset);
  const int width = static_cast<int>(r.U32(e.offset + 4));
  const int height = static_cast<int>(r.U32(e.offset + 8)) / 2;  // colour rows + mask rows
  const int bits = static_cast<int>(r.U16(e.offset + 14));
  if (width <= 0 || height <= 0 || width > 1024 || height > 1024) return std::nullopt;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
  std::size_t colours = bits <= 8 ? r.U32(e.offset + 32) : 0;
  if (bits <= 8 && colours == 0) colours = std::size_t{1} << bits;
  const std::size_t palette = e.offset + header;
  const std::size_t pixels = palette + colours * 4;
  const std::size_t xor_stride = Stride(width, bits), and_stride = Stride(width, 1);
  const std::size_t mask = pixels + xor_stride * height;
  if (colours > 256 || !r.Has(pixels, xor_stride * height)) return std::nullopt;
  const bool has_mask = r.Has(mask, and_stride * height);
  std::vector<std::uint32_t> argb(static_cast<std::size_t>(width) * height);
  bool any_alpha = false;
  for (int y = 0; y < height; ++y) {
    const std::size_t row = pixels + xor_stride * (height - 1 - y);  // rows run bottom-up
    for (int x = 0; x < width; ++x) {
      argb[y * width + x] = ColourAt(r, row, x, bits, palette);
      any_alpha |= (argb[y * width + x] >> 24) != 0;
    }
  }
  if (bits < 32 || !any_alpha) ApplyMask(r, has_mask ? mask : 0, width, height, argb);
  return Picture(width, height, std::move(argb));
}

}  // namespace

bool LooksLikeIco(const unsigned char* bytes, std::size_t size) {
  return size >= 6 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0;
}

std::optional<Picture> DecodeIco(const unsigned char* bytes, std::size_t size) {
  const Reader r{bytes, size};
  const std::optional<Entry> entry = LargestEntry(r);
  if (!entry) return std::nullopt;
  static const unsigned char kPng[] = {0x89, 'P', 'N', 'G'};
  if (entry->size >= 4 && std::memcmp(bytes + entry->offset, kPng, 4) == 0) {
    return DecodeWithStb(bytes + entry->offset, entry->size);
  }
  return DecodeDib(r, *entry);
}

}  // namespace forms
