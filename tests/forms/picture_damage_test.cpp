// Damaged and hostile picture data: every case ends in a picture of sane size or a refusal.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "game/forms/errors.h"
#include "game/forms/ico_reader.h"
#include "game/forms/picture.h"
#include "game/forms/picture_limits.h"
#include "tests/lib/image_files.h"
#include "tests/lib/scenario.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put16(Bytes& b, std::size_t at, unsigned v) {
  b[at] = v & 0xFF;
  b[at + 1] = (v >> 8) & 0xFF;
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

// A one-entry icon of width x height at bits per pixel with the given palette size and a
// colour table of `colours` entries (0 = none), every pixel index set to `index`.
Bytes PaletteIcon(int width, int height, int bits, std::uint32_t colours, unsigned char index) {
  const std::size_t stride = ((width * bits + 31) / 32) * 4;
  Bytes dib(40 + colours * 4 + stride * height, 0);
  Put32(dib, 0, 40), Put32(dib, 4, width), Put32(dib, 8, height * 2);
  Put16(dib, 12, 1), Put16(dib, 14, bits), Put32(dib, 32, colours);
  for (std::uint32_t i = 0; i < colours; ++i) Put32(dib, 40 + i * 4, 0x00FF0000);
  unsigned char fill = index;
  if (bits == 4) fill = static_cast<unsigned char>(index << 4 | index);
  std::memset(dib.data() + 40 + colours * 4, fill, stride * height);
  Bytes ico(22, 0);
  Put16(ico, 2, 1), Put16(ico, 4, 1);
  ico[6] = static_cast<unsigned char>(width), ico[7] = static_cast<unsigned char>(height);
  Put16(ico, 12, bits), Put32(ico, 14, dib.size()), Put32(ico, 18, 22);
  ico.insert(ico.end(), dib.begin(), dib.end());
  return ico;
}

// A valid JPEG whose frame header declares width x height instead of its own size.
Bytes JpegDeclaring(const Bytes& jpeg, int width, int height) {
  Bytes b = jpeg;
  for (std::size_t i = 0; i + 9 < b.size(); ++i) {
    if (b[i] == 0xFF && (b[i + 1] == 0xC0 || b[i + 1] == 0xC2)) {
      b[i + 5] = height >> 8, b[i + 6] = height & 0xFF;
      b[i + 7] = width >> 8, b[i + 8] = width & 0xFF;
      break;
    }
  }
  return b;
}

struct Outcome {
  int width = 0, height = 0;  // 0 x 0: refused as an invalid picture
};

Outcome Decode(const Bytes& bytes) {
  try {
    const forms::PictureRef p = forms::DecodePicture(bytes.data(), bytes.size(), "x");
    return {p->Width(), p->Height()};
  } catch (const forms::RuntimeError& e) {
    EXPECT_EQ(e.Code(), forms::ErrorCode::kInvalidPicture);
    return {};
  }
}

TEST(PictureDamage, EveryDamageEndsInASanePictureOrARefusal) {
  const std::string dir = wobtest::MakeTempDir();
  ASSERT_TRUE(wobtest::WriteJpeg(dir + "/j.jpg", 16, 8, wobtest::Solid(16, 8, 0xFF2080FF)));
  ASSERT_TRUE(wobtest::WriteIco(dir + "/i.ico", 8, 8, wobtest::Solid(8, 8, 0xFF00FF00)));
  ASSERT_TRUE(wobtest::WritePng(dir + "/p.png", 8, 8, wobtest::Solid(8, 8, 0xFF00FF00)));
  const Bytes jpeg = ReadAll(dir + "/j.jpg"), ico = ReadAll(dir + "/i.ico");
  Bytes png_icon = ico;  // the icon's entry replaced by a PNG
  png_icon.resize(22);
  const Bytes png = ReadAll(dir + "/p.png");
  Put32(png_icon, 14, png.size());
  png_icon.insert(png_icon.end(), png.begin(), png.end());
  Bytes many_entries = ico;
  Put16(many_entries, 4, 0xFFFF);
  Bytes no_entries = ico;
  Put16(no_entries, 4, 0);
  Bytes header_past_end = ico;
  Put32(header_past_end, 22, 0xFFFFFFF0u);
  Bytes negative_rows = ico;
  Put32(negative_rows, 22 + 8, static_cast<std::uint32_t>(-16));
  struct Case {
    const char* what;
    Bytes bytes;
    Outcome expected;
  };
  const Case cases[] = {
      {"good JPEG", jpeg, {16, 8}},
      {"good icon", ico, {8, 8}},
      {"nothing", {}, {}},
      {"one byte", {0xFF}, {}},
      {"JPEG cut in half", Bytes(jpeg.begin(), jpeg.begin() + jpeg.size() / 2), {}},
      {"JPEG cut before its end marker", Bytes(jpeg.begin(), jpeg.end() - 2), {}},
      {"Huffman counts over 256", {0xFF, 0xD8, 0xFF, 0xC4, 0xC4, 0, 0, 2, 0xFF}, {}},
      {"JPEG declaring 23170 x 23170", JpegDeclaring(jpeg, 23170, 23170), {}},
      {"JPEG declaring 65535 x 1", JpegDeclaring(jpeg, 65535, 1), {}},
      {"JPEG declaring 0 x 8", JpegDeclaring(jpeg, 0, 8), {}},
      {"PNG", png, {}},
      {"icon with a PNG entry", png_icon, {}},
      {"icon cut to its directory", Bytes(ico.begin(), ico.begin() + 22), {}},
      {"icon declaring 65535 entries", many_entries, {}},
      {"icon declaring no entry", no_entries, {}},
      {"icon header size past the end", header_past_end, {}},
      {"icon with negative rows", negative_rows, {}},
      {"8-bit pixel past a 1-colour palette", PaletteIcon(1, 1, 8, 1, 255), {1, 1}},
      {"4-bit pixel past a 2-colour palette", PaletteIcon(2, 2, 4, 2, 15), {2, 2}},
      {"8-bit palette of 257 colours", PaletteIcon(1, 1, 8, 257, 0), {}},
      {"icon of 2048 x 2 pixels", PaletteIcon(2048, 2, 1, 2, 0), {}},
  };
  for (const Case& c : cases) {
    const Outcome got = Decode(c.bytes);
    EXPECT_EQ(got.width, c.expected.width) << c.what;
    EXPECT_EQ(got.height, c.expected.height) << c.what;
  }
}

TEST(PictureDamage, PaletteIndexPastTheColourTableReadsBlack) {
  for (const int bits : {4, 8}) {
    const Bytes ico = PaletteIcon(2, 2, bits, 1, bits == 4 ? 15 : 200);
    const std::optional<forms::Picture> p = forms::DecodeIco(ico.data(), ico.size());
    ASSERT_TRUE(p) << bits;
    for (std::uint32_t pixel : p->Pixels()) EXPECT_EQ(pixel, 0xFF000000u) << bits;
  }
}

TEST(PictureDamage, SizeLimitLiesBetweenTheAssetsAndAHugeDeclaration) {
  const struct {
    std::int64_t width, height;
    bool sane;
  } cases[] = {
      {1, 1, true},      {1920, 1080, true}, {4096, 4096, true},    {16384, 1024, true},
      {16385, 1, false}, {1, 16385, false},  {4097, 4096, false},   {23170, 23170, false},
      {0, 5, false},     {5, -1, false},     {65535, 65535, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(forms::SanePictureSize(c.width, c.height), c.sane) << c.width << "x" << c.height;
  }
}

}  // namespace
