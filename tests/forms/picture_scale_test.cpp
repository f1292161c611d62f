// Pictures decoded at a reduced scale: only as many pixels as are shown, and on screen the same
// as scaling the whole picture, within the resampler's rounding, for every kind of picture.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "game/forms/picture.h"
#include "game/forms/picture_scaler.h"
#include "tests/lib/scenario.h"

namespace {

struct Difference {
  double mean = 0;  // per channel, 0 to 255
  int worst = 0;
};

Difference Compare(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  Difference d;
  long long sum = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (int shift : {0, 8, 16}) {
      const int delta = std::abs(static_cast<int>((a[i] >> shift) & 255) -
                                 static_cast<int>((b[i] >> shift) & 255));
      sum += delta;
      d.worst = std::max(d.worst, delta);
    }
  }
  d.mean = static_cast<double>(sum) / (3.0 * static_cast<double>(a.size()));
  return d;
}

TEST(PictureScale, ReducedDecodesLookLikeTheWholePictureScaled) {
  struct Case {
    const char* file;   // a picture of each kind the game shows
    int width, height;  // shown at, pixels
    int decoded_width;  // the reduced decode's width
  };
  const Case cases[] = {
      {"letUp.jpg", 300, 258, 300},      // menu button at 1024 x 768: 3/8 of 800
      {"shaDown.jpg", 1300, 1118, 800},  // larger than the file: decoded whole
      {"abcd-Up.jpg", 83, 83, 96},       // letter picker
      {"3Down.jpg", 120, 100, 128},      // number picker, pressed
      {"staUp.jpg", 60, 60, 64},         // shape picker
      {"Q.jpg", 100, 100, 128},          // spawned letter
      {"5Bounce.jpg", 150, 150, 160},    // spawned digit
      {"heaBounce.jpg", 230, 230, 256},  // spawned shape
      {"firework2.jpg", 31, 31, 32},     // firework at its smallest scale
      {"purpleSqu.jpg", 200, 150, 224},  // paint colour
  };
  for (const Case& c : cases) {
    const forms::PictureRef picture = forms::LoadPicture(wobtest::AppDir() + "/" + c.file);
    EXPECT_LT(picture->HeldBytes(), static_cast<std::size_t>(picture->Width()) * picture->Height())
        << c.file << ": kept undecoded";
    const std::optional<forms::Picture> reduced = picture->DecodedFor(c.width, c.height);
    ASSERT_TRUE(reduced) << c.file;
    EXPECT_EQ(reduced->Width(), c.decoded_width) << c.file;
    const forms::Picture whole(picture->Width(), picture->Height(), picture->Pixels());
    const Difference d = Compare(forms::ScalePicture(*picture, c.width, c.height),
                                 forms::ScalePicture(whole, c.width, c.height));
    // The decoder's reduced transform and the resampler's filter are two good low-pass filters:
    // about one per cent apart on average, more only on single pixels of hard edges. A wrong
    // scale, a shift or swapped colours is far beyond either bound.
    EXPECT_LT(d.mean, 3.5) << c.file << " at " << c.width << "x" << c.height;
    EXPECT_LE(d.worst, 64) << c.file << " at " << c.width << "x" << c.height;
  }
}

}  // namespace
