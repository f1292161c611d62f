// A small icon reader: DIB entries of 32/24/8/4/1 bits per pixel. Every offset, size, count
// and index read from the file is checked against the bytes that are really there.
#include "game/forms/ico_reader.h"

#include <array>
#include <cstdint>
#include <vector>

#include "game/forms/picture_limits.h"

namespace forms {
namespace {

constexpr std::size_t kDirectorySize = 6, kEntrySize = 16, kInfoHeaderSize = 40;

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

// The largest entry whose bytes lie inside the file; nullopt when the directory itself does not.
std::optional<Entry> LargestEntry(const Reader& r) {
  const std::size_t count = r.U16(4);
  if (count == 0 || !r.Has(kDirectorySize, count * kEntrySize)) return std::nullopt;
  std::optional<Entry> best;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kDirectorySize + i * kEntrySize;
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

struct Dib {
  int width, height, bits;
  std::array<std::uint32_t, 256> palette{};  // colours the file leaves out stay black
  std::size_t pixels, mask;                  // offsets inside the entry
  bool has_mask;
};

// Reads and checks the DIB header of one entry; every later read stays inside the entry.
std::optional<Dib> ReadDibHeader(const Reader& r) {
  if (!r.Has(0, kInfoHeaderSize)) return std::nullopt;
  Dib dib{};
  const std::size_t header = r.U32(0);
  dib.width = static_cast<int>(r.U32(4));
  dib.height = static_cast<int>(r.U32(8)) / 2;  // colour rows + mask rows
  dib.bits = static_cast<int>(r.U16(14));
  if (header < kInfoHeaderSize || !r.Has(0, header)) return std::nullopt;
  if (dib.width <= 0 || dib.height <= 0 || dib.width > kMaxIconSide || dib.height > kMaxIconSide) {
    return std::nullopt;
  }
  if (dib.bits != 1 && dib.bits != 4 && dib.bits != 8 && dib.bits != 24 && dib.bits != 32) {
    return std::nullopt;
  }
  std::size_t colours = dib.bits <= 8 ? r.U32(32) : 0;
  if (dib.bits <= 8 && colours == 0) colours = std::size_t{1} << dib.bits;
  if (colours > 256 || !r.Has(header, colours * 4)) return std::nullopt;
  for (std::size_t i = 0; i < colours; ++i) dib.palette[i] = r.U32(header + i * 4) & 0xFFFFFF;
  dib.pixels = header + colours * 4;
  const std::size_t colour_bytes = Stride(dib.width, dib.bits) * dib.height;
  if (!r.Has(dib.pixels, colour_bytes)) return std::nullopt;
  dib.mask = dib.pixels + colour_bytes;
  dib.has_mask = r.Has(dib.mask, Stride(dib.width, 1) * dib.height);
  return dib;
}

std::uint32_t ColourAt(const Reader& r, const Dib& dib, std::size_t row, int x) {
  if (dib.bits == 32) return r.U32(row + x * 4);
  if (dib.bits == 24) {
    const std::size_t at = row + x * 3;
    return 0xFF000000u | (r.data[at + 2] << 16) | (r.data[at + 1] << 8) | r.data[at];
  }
  const int per_byte = 8 / dib.bits;
  const int shift = 8 - dib.bits * (x % per_byte + 1);
  const int index = (r.data[row + x / per_byte] >> shift) & ((1 << dib.bits) - 1);
  return 0xFF000000u | dib.palette[index];
}

// Without an alpha channel the AND mask says which pixels show; no mask: all of them.
void ApplyMask(const Reader& r, const Dib& dib, std::vector<std::uint32_t>& argb) {
  const std::size_t stride = Stride(dib.width, 1);
  for (int y = 0; y < dib.height; ++y) {
    const std::size_t row = dib.mask + stride * (dib.height - 1 - y);
    for (int x = 0; x < dib.width; ++x) {
      std::uint32_t& pixel = argb[static_cast<std::size_t>(y) * dib.width + x];
      const bool clear = dib.has_mask && ((r.data[row + x / 8] >> (7 - x % 8)) & 1);
      pixel = clear ? 0 : (pixel | 0xFF000000u);
    }
  }
}

std::optional<Picture> DecodeDib(const Reader& r) {
  const std::optional<Dib> dib = ReadDibHeader(r);
  if (!dib) return std::nullopt;
  const std::size_t stride = Stride(dib->width, dib->bits);
  std::vector<std::uint32_t> argb(static_cast<std::size_t>(dib->width) * dib->height);
  bool any_alpha = false;
  for (int y = 0; y < dib->height; ++y) {
    const std::size_t row = dib->pixels + stride * (dib->height - 1 - y);  // rows run bottom-up
    for (int x = 0; x < dib->width; ++x) {
      const std::uint32_t pixel = ColourAt(r, *dib, row, x);
      argb[static_cast<std::size_t>(y) * dib->width + x] = pixel;
      any_alpha |= (pixel >> 24) != 0;
    }
  }
  if (dib->bits < 32 || !any_alpha) ApplyMask(r, *dib, argb);
  return Picture(dib->width, dib->height, std::move(argb));
}

}  // namespace

bool LooksLikeIco(const unsigned char* bytes, std::size_t size) {
  return size >= kDirectorySize && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0;
}

std::optional<Picture> DecodeIco(const unsigned char* bytes, std::size_t size) {
  const Reader file{bytes, size};
  if (!LooksLikeIco(bytes, size)) return std::nullopt;
  const std::optional<Entry> entry = LargestEntry(file);
  if (!entry) return std::nullopt;
  // The game's icons hold DIB images only; PNG-compressed entries are refused.
  return DecodeDib(Reader{bytes + entry->offset, entry->size});
}

}  // namespace forms
