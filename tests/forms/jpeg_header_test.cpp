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

TEST(JpegHeader, ReducedScaleIsTheSmallestThatStillCoversTheShownSize) {
  struct Case {
    int width, height, min_width, min_height, eighths;
  };
  const Case cases[] = {
      {256, 256, 32, 32, 1},                              // exactly an eighth
      {256, 256, 33, 32, 2},                              // one pixel more needs the next scale
      {256, 256, 120, 100, 4},                            // the wider side decides
      {256, 256, 100, 130, 5},                            // and so does the taller one
      {255, 255, 32, 32, 1},                              // decoders round up: 255 / 8 gives 32
      {800, 688, 300, 258, 3},                            // 3/8 of 800 x 688 is exactly 300 x 258
      {800, 688, 300, 259, 4},   {256, 256, 257, 10, 8},  // larger than the picture: whole
      {256, 256, 4000, 4000, 8}, {1, 1, 1, 1, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(forms::ReducedScaleEighths(c.width, c.height, c.min_width, c.min_height), c.eighths)
        << c.width << "x" << c.height << " shown at " << c.min_width << "x" << c.min_height;
  }
}

}  // namespace
