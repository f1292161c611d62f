// The declared size of a JPEG, read before decoding: every malformed walk ends in nullopt.
#include <gtest/gtest.h>

#include <vector>

#include "game/forms/jpeg_header.h"

namespace {

using Bytes = std::vector<unsigned char>;

const Bytes kSoi = {0xFF, 0xD8};
const Bytes kApp0 = {0xFF, 0xE0, 0x00, 0x04, 0xAA, 0xBB};
Bytes Sof(unsigned char marker, int width, int height) {
  return {0xFF,
          marker,
          0x00,
          0x0B,
          8,
          static_cast<unsigned char>(height >> 8),
          static_cast<unsigned char>(height),
          static_cast<unsigned char>(width >> 8),
          static_cast<unsigned char>(width),
          1,
          1,
          0x11,
          0};
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(JpegHeader, DeclaredSizeOrNothing) {
  const Bytes sof = Sof(0xC0, 640, 480);
  struct Case {
    const char* what;
    Bytes bytes;
    int width, height;  // 0 x 0: nullopt
  };
  const Case cases[] = {
      {"baseline frame", Join({kSoi, kApp0, sof}), 640, 480},
      {"progressive frame", Join({kSoi, Sof(0xC2, 23170, 23170)}), 23170, 23170},
      {"fill bytes before a marker", Join({kSoi, {0xFF, 0xFF}, sof}), 640, 480},
      {"restart marker alone", Join({kSoi, {0xFF, 0xD0}, sof}), 640, 480},
      {"Huffman table is no frame", Join({kSoi, {0xFF, 0xC4, 0x00, 0x02}, sof}), 640, 480},
      {"nothing", {}, 0, 0},
      {"start of image only", kSoi, 0, 0},
      {"no start of image", Join({kApp0, sof}), 0, 0},
      {"segment longer than the file", Join({kSoi, {0xFF, 0xE0, 0xFF, 0xFF, 0}}), 0, 0},
      {"segment length below 2", Join({kSoi, {0xFF, 0xE0, 0x00, 0x01}, sof}), 0, 0},
      {"frame header cut short", Join({kSoi, Bytes(sof.begin(), sof.begin() + 7)}), 0, 0},
      {"frame header length 6", Join({kSoi, {0xFF, 0xC0, 0x00, 0x06, 8, 0, 1, 0}}), 0, 0},
      {"scan before any frame", Join({kSoi, {0xFF, 0xDA, 0x00, 0x02}, sof}), 0, 0},
      {"end of image first", Join({kSoi, {0xFF, 0xD9}, sof}), 0, 0},
      {"garbage between segments", Join({kSoi, kApp0, {0x12}, sof}), 0, 0},
      {"frame header one byte past the end", Join({kSoi, {0xFF, 0xC0, 0, 7, 8, 0, 16, 0}}), 0, 0},
      {"frame header two bytes past the end", Join({kSoi, {0xFF, 0xC0, 0, 7, 8, 0, 16}}), 0, 0},
  };
  for (const Case& c : cases) {
    const Bytes exact(c.bytes);  // no spare capacity: a read past the end is one past the block
    const auto size = forms::JpegDeclaredSize(exact.data(), exact.size());
    EXPECT_EQ(size ? size->width : 0, c.width) << c.what;
    EXPECT_EQ(size ? size->height : 0, c.height) << c.what;
  }
}

}  // namespace
