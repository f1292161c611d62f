// Every asset file exists, decodes and has the size and format the game expects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "asset_reader.h"
#include "game/assets/asset_names.h"
#include "game/assets/embedded.h"

namespace assets_test {
namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Expected picture size by family: the main menu's buttons are large, everything else square.
struct SizeRule {
  const char* name;
  int width, height;
};
constexpr SizeRule kMenuSizes[] = {{"letUp.jpg", 800, 688}, {"letDown.jpg", 800, 688},
                                   {"numUp.jpg", 800, 688}, {"numDown.jpg", 800, 688},
                                   {"shaUp.jpg", 800, 688}, {"shaDown.jpg", 800, 688},
                                   {"ColUp.jpg", 800, 688}, {"colDown.jpg", 800, 688}};

TEST(AssetFiles, EveryJpegDecodesInColourAtItsSize) {
  for (const char* name : assets::kAssetNames) {
    if (!EndsWith(name, ".jpg")) continue;
    SCOPED_TRACE(name);
    const auto pixels = DecodeJpeg(ReadBytes(AppFile(name)));
    ASSERT_TRUE(pixels.has_value());
    EXPECT_EQ(pixels->channels, 3);
    const auto* rule = std::find_if(std::begin(kMenuSizes), std::end(kMenuSizes),
                                    [&](const SizeRule& r) { return r.name == std::string(name); });
    const bool menu = rule != std::end(kMenuSizes);
    EXPECT_EQ(pixels->width, menu ? rule->width : 256);
    EXPECT_EQ(pixels->height, menu ? rule->height : 256);
  }
}

// A cursor must show on black and on white: opaque dark and opaque bright pixels both.
TEST(AssetFiles, EveryCursorIsOne32BitImageWithAlphaThatShowsOnAnyBackground) {
  for (const char* name : assets::kAssetNames) {
    if (!EndsWith(name, ".ico")) continue;
    SCOPED_TRACE(name);
    const auto images = ParseIco(ReadBytes(AppFile(name)));
    ASSERT_TRUE(images.has_value());
    ASSERT_EQ(images->size(), 1u);
    const IcoImage& icon = images->front();
    ASSERT_EQ(icon.pixels.width, 32);
    ASSERT_EQ(icon.pixels.height, 32);
    int transparent = 0, dark = 0, bright = 0;
    for (int i = 0; i < 32 * 32; ++i) {
      const std::uint8_t* p = &icon.pixels.data[std::size_t(i * 4)];
      EXPECT_EQ(icon.masked[std::size_t(i)], p[3] == 0) << "AND mask disagrees at " << i;
      if (p[3] == 0) ++transparent;
      if (p[3] < 200) continue;
      const double luma = 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
      dark += luma < 60;
      bright += luma > 150;
    }
    EXPECT_GT(transparent, 100);
    EXPECT_LT(transparent, 32 * 32 - 150);
    EXPECT_GT(dark, 30);
    EXPECT_GT(bright, 15);
  }
}

TEST(AssetFiles, ProgramIconsHoldThreeSizes) {
  for (const char* name : assets::kProgramIconNames) {
    SCOPED_TRACE(name);
    const auto images = ParseIco(ReadBytes(std::string(WOB_ICON_DIR) + "/" + name));
    ASSERT_TRUE(images.has_value());
    ASSERT_EQ(images->size(), 3u);
    int size_index = 0;
    for (int size : {16, 32, 48}) {
      const IcoImage& image = (*images)[std::size_t(size_index++)];
      EXPECT_EQ(image.pixels.width, size);
      EXPECT_EQ(image.pixels.height, size);
      const auto opaque = std::count_if(image.masked.begin(), image.masked.end(),
                                        [](bool masked) { return !masked; });
      EXPECT_GT(opaque, size * size / 3);
    }
  }
}

// The desktop icons: RGBA PNG files of the size their name gives, the toy block on a clear ground.
TEST(AssetFiles, DesktopIconsAreSquareRgbaPngsOfTheirNamedSize) {
  for (const char* name : assets::kDesktopIconNames) {
    SCOPED_TRACE(name);
    const int size = std::stoi(std::string(name).substr(4));  // "wob-<size>.png"
    const auto pixels = DecodePng(ReadBytes(std::string(WOB_ICON_DIR) + "/" + name));
    ASSERT_TRUE(pixels.has_value());
    ASSERT_EQ(pixels->channels, 4);
    EXPECT_EQ(pixels->width, size);
    EXPECT_EQ(pixels->height, size);
    EXPECT_EQ(pixels->At(0, 0)[3], 0) << "the corner is not transparent";
    EXPECT_EQ(pixels->At(size / 2, size / 2)[3], 255) << "the middle is not opaque";
    int opaque = 0;
    for (int i = 0; i < size * size; ++i) opaque += pixels->data[std::size_t(i * 4 + 3)] > 128;
    EXPECT_GT(opaque, size * size / 3);
  }
}

TEST(AssetFiles, FireworkSoundIsShortComfortable16BitMonoPcm) {
  const auto wave = ParseWav(ReadBytes(AppFile("fire1.wav")));
  ASSERT_TRUE(wave.has_value());
  EXPECT_EQ(wave->format, 1);
  EXPECT_EQ(wave->channels, 1);
  EXPECT_EQ(wave->sample_rate, 22050);
  EXPECT_EQ(wave->bits, 16);
  const double seconds = double(wave->samples.size()) / wave->sample_rate;
  EXPECT_GE(seconds, 1.2);
  EXPECT_LE(seconds, 1.8);
  double peak = 0, energy = 0;
  for (std::int16_t s : wave->samples) {
    peak = std::max(peak, std::abs(s / 32768.0));
    energy += (s / 32768.0) * (s / 32768.0);
  }
  const double rms = std::sqrt(energy / double(wave->samples.size()));
  EXPECT_LT(peak, 0.95);
  EXPECT_GT(peak, 0.5);
  EXPECT_GT(rms, 0.03);
  EXPECT_LT(rms, 0.35);
}

TEST(AssetFiles, SplashLogoIsBuiltInAsA113PixelJpeg) {
  const std::span<const unsigned char> logo = assets::SplashLogoJpeg();
  const auto pixels = DecodeJpeg(Bytes(logo.begin(), logo.end()));
  ASSERT_TRUE(pixels.has_value());
  EXPECT_EQ(pixels->width, 113);
  EXPECT_EQ(pixels->height, 113);
}

}  // namespace
}  // namespace assets_test
