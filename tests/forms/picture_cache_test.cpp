// The picture caches, decoded and scaled: bounded in bytes, content-checked, huge pictures
// never pinned; and the picture box's palette drawing.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/forms/canvas.h"
#include "game/forms/drawing_surface.h"
#include "game/forms/picture_cache.h"
#include "game/forms/scaled_pictures.h"

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

TEST(ScaledPictures, SharedPerPictureAndSizeBoundedAndNeverKeptForAGonePicture) {
  const std::size_t limit = 64 * 64 * 4 * 8;  // eight 64 x 64 results
  forms::ScaledPictures cache(limit);
  const PictureRef a = Blank(32, 32), b = Blank(32, 32);
  const forms::ScaledPixels first = cache.Get(a, 64, 64);
  ASSERT_EQ(first->size(), 64u * 64);
  EXPECT_EQ(cache.Get(a, 64, 64), first) << "the same picture at the same size is scaled once";
  EXPECT_NE(cache.Get(b, 64, 64), first) << "another picture of the same size is its own";
  EXPECT_NE(cache.Get(a, 64, 63), first);
  EXPECT_EQ(cache.Count(), 3u);

  for (int i = 0; i < 100; ++i) {
    cache.Get(Blank(16, 16), 64, 64);  // each picture is gone once it is scaled
    ASSERT_LE(cache.Bytes(), limit) << i;
  }
  EXPECT_LE(cache.Count(), 4u) << "results of pictures that are gone are let go first";
  EXPECT_EQ(cache.Get(a, 64, 64)->size(), 64u * 64);

  const std::size_t before = cache.Bytes();
  cache.Get(a, 256, 256);  // a quarter of the limit and more: scaled, not kept
  EXPECT_EQ(cache.Bytes(), before);
}

TEST(ScaledPictures, MakesRoomForTheResultItIsAboutToKeep) {
  const std::size_t limit = 64 * 64 * 4 * 4;  // four 64 x 64 results
  forms::ScaledPictures cache(limit);
  std::vector<PictureRef> shown;  // every picture stays in use, so only room-making evicts
  for (int i = 0; i < 6; ++i) {
    shown.push_back(Blank(8, 8));
    cache.Get(shown.back(), 64, 64);
    ASSERT_LE(cache.Bytes(), limit) << i;
  }
  EXPECT_EQ(cache.Count(), 4u);
}

TEST(DrawingSurface, KeepsEveryColourThroughThePaletteAndPastIt) {
  forms::DrawingSurface surface(300, 2, 0xFFFFFF);
  for (int x = 0; x < 300; ++x) surface.FillSpan(0, x, x + 1, static_cast<forms::Color>(x) * 7);
  surface.FillSpan(1, 10, 20, 0x123456);
  for (int x = 0; x < 300; ++x) ASSERT_EQ(surface.At(x, 0), static_cast<forms::Color>(x) * 7) << x;
  EXPECT_EQ(surface.At(9, 1), 0xFFFFFFu);
  EXPECT_EQ(surface.At(15, 1), 0x123456u);

  forms::DrawingSurface smaller(100, 5, 0x000000);
  smaller.CopyFrom(surface);
  forms::Canvas canvas(100, 5);
  smaller.CopyTo(canvas, 0, 0, canvas.Bounds());
  EXPECT_EQ(canvas.At(99, 0), 99u * 7);
  EXPECT_EQ(canvas.At(15, 1), 0x123456u);
  EXPECT_EQ(canvas.At(50, 4), 0x000000u) << "rows the old drawing lacked keep the background";
}
