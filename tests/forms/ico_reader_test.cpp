// Icon files built byte by byte: which entry is chosen, and how the AND mask is read.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/forms/ico_reader.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Put16(Bytes& out, unsigned v) {
  out.push_back(v & 255), out.push_back((v >> 8) & 255);
}
void Put32(Bytes& out, unsigned v) {
  Put16(out, v & 0xFFFF), Put16(out, v >> 16);
}

// A 24-bit DIB of one colour; mask_rows are the AND mask's rows from the top, each as many
// bytes as the mask's stride, or empty for an all-visible mask.
struct Dib {
  int width, height;
  std::uint32_t rgb;
  std::vector<Bytes> mask_rows;

  Bytes Encode() const {
    const std::size_t stride = ((width * 24 + 31) / 32) * 4, mask = ((width + 31) / 32) * 4;
    Bytes out;
    Put32(out, 40), Put32(out, width), Put32(out, height * 2), Put16(out, 1), Put16(out, 24);
    out.resize(40);
    for (int y = 0; y < height; ++y) {
      Bytes row(stride);
      for (int x = 0; x < width; ++x) {
        row[x * 3] = rgb & 255, row[x * 3 + 1] = (rgb >> 8) & 255, row[x * 3 + 2] = rgb >> 16;
      }
      out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = height - 1; y >= 0; --y) {  // rows run bottom-up
      const Bytes row = mask_rows.empty() ? Bytes(mask) : mask_rows[y];
      out.insert(out.end(), row.begin(), row.end());
    }
    return out;
  }
};

Bytes Icon(const std::vector<Dib>& images) {
  Bytes out, data;
  Put16(out, 0), Put16(out, 1), Put16(out, static_cast<unsigned>(images.size()));
  const std::size_t first = 6 + 16 * images.size();
  for (const Dib& image : images) {
    const Bytes dib = image.Encode();
    out.push_back(image.width & 255), out.push_back(image.height & 255), Put16(out, 0);
    Put16(out, 1), Put16(out, 24), Put32(out, static_cast<unsigned>(dib.size()));
    Put32(out, static_cast<unsigned>(first + data.size()));
    data.insert(data.end(), dib.begin(), dib.end());
  }
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

TEST(IcoReader, SeveralSizesGiveTheLargestWhereverItStands) {
  const Bytes icon = Icon({{16, 16, 0xFF0000, {}}, {48, 48, 0x00FF00, {}}, {32, 32, 0x0000FF, {}}});
  const auto picture = forms::DecodeIco(icon.data(), icon.size());
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width(), 48);
  EXPECT_EQ(picture->Height(), 48);
  EXPECT_EQ(picture->Pixels()[0], 0xFF00FF00u);
}

TEST(IcoReader, MaskBitsClearPixelsHighestBitFirst) {
  // Top row: bit 7 of the first byte (x = 0); bottom row: bit 0 of the second byte (x = 15).
  const Dib dib{16, 2, 0xFFFFFF, {{0x80, 0, 0, 0}, {0, 0x01, 0, 0}}};
  const Bytes icon = Icon({dib});
  const auto picture = forms::DecodeIco(icon.data(), icon.size());
  ASSERT_TRUE(picture);
  std::string clear;
  for (std::uint32_t pixel : picture->Pixels())
    clear += pixel == 0 ? 'o' : (pixel >> 24) ? '#' : '?';
  EXPECT_EQ(clear,
            "o###############"
            "###############o");
}

}  // namespace
