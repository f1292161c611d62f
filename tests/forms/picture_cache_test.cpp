// The decoded-picture cache: bounded in bytes, content-checked, huge pictures never pinned.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/forms/picture_cache.h"

namespace {

using forms::Picture;
using forms::PictureCache;
using forms::PictureRef;

PictureRef Blank(int width, int height) {
  return std::make_shared<const Picture>(
      width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height));
}

const std::vector<unsigned char> kBytesA = {1, 2, 3}, kBytesB = {1, 2, 4};

TEST(PictureCache, FindsOnlyWhatWasDecodedFromTheSameBytes) {
  PictureCache cache(1 << 20);
  const PictureRef p = Blank(4, 4);
  cache.Store("a.jpg", kBytesA, p);
  EXPECT_EQ(cache.Find("a.jpg", kBytesA), p);
  EXPECT_EQ(cache.Find("a.jpg", kBytesB), nullptr);
  EXPECT_EQ(cache.Find("b.jpg", kBytesA), nullptr);
  cache.Store("a.jpg", kBytesB, Blank(2, 2));
  EXPECT_EQ(cache.Count(), 1u);
  EXPECT_EQ(cache.Bytes(), 2u * 2 * 4);
}

TEST(PictureCache, ManyDistinctPicturesStayWithinTheLimitAndTheNewestStay) {
  const std::size_t limit = 64 * 64 * 4 * 10;  // ten 64 x 64 pictures
  PictureCache cache(limit);
  for (int i = 0; i < 1000; ++i) {
    cache.Store(std::to_string(i) + ".jpg", kBytesA, Blank(64, 64));
    ASSERT_LE(cache.Bytes(), limit) << i;
  }
  EXPECT_EQ(cache.Count(), 10u);
  EXPECT_NE(cache.Find("999.jpg", kBytesA), nullptr);
  EXPECT_EQ(cache.Find("0.jpg", kBytesA), nullptr);
}

TEST(PictureCache, RecentlyUsedPicturesOutliveOlderOnes) {
  PictureCache cache(4 * 4 * 4 * 4);  // four 4 x 4 pictures
  for (const char* name : {"a", "b", "c", "d"}) cache.Store(name, kBytesA, Blank(4, 4));
  ASSERT_NE(cache.Find("a", kBytesA), nullptr);  // a is now the newest
  cache.Store("e", kBytesA, Blank(4, 4));
  EXPECT_NE(cache.Find("a", kBytesA), nullptr);
  EXPECT_EQ(cache.Find("b", kBytesA), nullptr);
  EXPECT_EQ(cache.Count(), 4u);
}

TEST(PictureCache, AHugePictureIsNotKeptAndPushesNothingOut) {
  PictureCache cache(1000 * 4);
  cache.Store("small", kBytesA, Blank(10, 10));
  std::weak_ptr<const Picture> huge;
  {
    PictureRef big = Blank(100, 100);
    huge = big;
    cache.Store("huge", kBytesA, big);
  }
  EXPECT_TRUE(huge.expired());  // nothing pins it once its user lets go
  EXPECT_EQ(cache.Find("huge", kBytesA), nullptr);
  EXPECT_NE(cache.Find("small", kBytesA), nullptr);
}

}  // namespace
