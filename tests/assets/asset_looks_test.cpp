// The pictures look as the screens need: pressed faces differ, colours match, cursors point right.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "asset_reader.h"

namespace assets_test {
namespace {

Pixels Jpeg(const std::string& name) {
  auto pixels = DecodeJpeg(ReadBytes(AppFile(name)));
  EXPECT_TRUE(pixels.has_value()) << name;
  return pixels ? *pixels : Pixels{};
}

IcoImage Cursor(const std::string& name) {
  auto images = ParseIco(ReadBytes(AppFile(name)));
  EXPECT_TRUE(images && images->size() == 1) << name;
  return images && !images->empty() ? images->front()
                                    : IcoImage{32, {32, 32, 4, Bytes(4096, 0)}, {}};
}

double Luma(const std::uint8_t* p) {
  return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
}

double MeanLuma(const Pixels& image) {
  double sum = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) sum += Luma(image.At(x, y));
  }
  return sum / (image.width * image.height);
}

// The mean of the most common strongly coloured 16-level bin; grey tiles and black don't count.
std::vector<double> DominantColour(const Pixels& image) {
  std::map<int, std::vector<double>> bins;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* p = image.At(x, y);
      const int high = std::max({p[0], p[1], p[2]}), low = std::min({p[0], p[1], p[2]});
      if (high < 90 || high - low < 100) continue;
      std::vector<double>& bin = bins[p[0] / 16 * 256 + p[1] / 16 * 16 + p[2] / 16];
      bin.resize(4);
      for (int c = 0; c < 3; ++c) bin[std::size_t(c)] += p[c];
      bin[3] += 1;
    }
  }
  const auto best = std::max_element(bins.begin(), bins.end(), [](const auto& a, const auto& b) {
    return a.second[3] < b.second[3];
  });
  if (best == bins.end()) return {0, 0, 0};
  const std::vector<double>& bin = best->second;
  return {bin[0] / bin[3], bin[1] / bin[3], bin[2] / bin[3]};
}

double Hue(const std::vector<double>& rgb) {
  const double r = rgb[0], g = rgb[1], b = rgb[2];
  return std::atan2(std::sqrt(3.0) * (g - b), 2 * r - g - b) * 180 / 3.14159265;
}

double HueDistance(double a, double b) {
  const double d = std::fmod(std::abs(a - b), 360.0);
  return std::min(d, 360 - d);
}

TEST(AssetLooks, EveryDownPictureIsDarkerAndVisiblyDifferentFromItsUpPicture) {
  const std::vector<std::pair<std::string, std::string>> kPairs = {{"letUp", "letDown"},
                                                                   {"numUp", "numDown"},
                                                                   {"shaUp", "shaDown"},
                                                                   {"ColUp", "colDown"},
                                                                   {"abcd-Up", "abcd-down"},
                                                                   {"efgh-Up", "efgh-down"},
                                                                   {"ijkl-Up", "ijkl-down"},
                                                                   {"mnop-Up", "mnop-down"},
                                                                   {"qrstu-Up", "qrstu-down"},
                                                                   {"vwxyz-Up", "vwxyz-down"},
                                                                   {"1Up", "1Down"},
                                                                   {"2Up", "2Down"},
                                                                   {"3Up", "3down"},
                                                                   {"4Up", "4Down"},
                                                                   {"5Up", "5down"},
                                                                   {"6Up", "6Down"},
                                                                   {"squUp", "squDown"},
                                                                   {"cirUp", "cirDown"},
                                                                   {"triUp", "triDown"},
                                                                   {"diaUp", "diaDown"},
                                                                   {"heaUp", "heaDown"},
                                                                   {"staUp", "staDown"},
                                                                   {"blueSqu", "blueSquDown"},
                                                                   {"greenSqu", "greenSquDown"},
                                                                   {"redSqu", "redSquDown"},
                                                                   {"orangeSqu", "orangeSquDown"},
                                                                   {"YellowSqu", "yellowSquDown"},
                                                                   {"purpleSqu", "purpleSquDown"}};
  for (const auto& [up_name, down_name] : kPairs) {
    SCOPED_TRACE(up_name);
    const Pixels up = Jpeg(up_name + ".jpg"), down = Jpeg(down_name + ".jpg");
    ASSERT_EQ(up.data.size(), down.data.size());
    double difference = 0;
    for (std::size_t i = 0; i < up.data.size(); ++i)
      difference += std::abs(up.data[i] - down.data[i]);
    EXPECT_GT(difference / double(up.data.size()), 12.0);
    EXPECT_LT(MeanLuma(down), MeanLuma(up) - 8);
  }
}

struct PaintColour {
  const char* up;
  const char* down;
  const char* brush;
  int r, g, b;
};
constexpr PaintColour kPaintColours[] = {
    {"blueSqu", "blueSquDown", "bluebrush", 51, 0, 255},
    {"greenSqu", "greenSquDown", "greenbrush", 1, 204, 0},
    {"redSqu", "redSquDown", "redbrush", 245, 0, 0},
    {"orangeSqu", "orangeSquDown", "orangebrush", 251, 105, 4},
    {"YellowSqu", "yellowSquDown", "yellowbrush", 255, 255, 0},
    {"purpleSqu", "purpleSquDown", "purplebrush", 103, 0, 153},
};

TEST(AssetLooks, ColourButtonsShowTheirPenColour) {
  for (const PaintColour& paint : kPaintColours) {
    for (const char* name : {paint.up, paint.down}) {
      SCOPED_TRACE(name);
      const std::vector<double> colour = DominantColour(Jpeg(std::string(name) + ".jpg"));
      EXPECT_NEAR(colour[0], paint.r, 12);
      EXPECT_NEAR(colour[1], paint.g, 12);
      EXPECT_NEAR(colour[2], paint.b, 12);
    }
  }
}

// The dot lands about 8 px left of and below the hot spot (16, 16): there must be the tip.
TEST(AssetLooks, BrushCursorsPaintFromTheirTipBelowLeftOfTheHotSpot) {
  std::vector<PaintColour> brushes(std::begin(kPaintColours), std::end(kPaintColours));
  brushes.push_back({"", "", "paintbrush", -1, -1, -1});
  for (const PaintColour& paint : brushes) {
    SCOPED_TRACE(paint.brush);
    const IcoImage icon = Cursor(std::string(paint.brush) + ".ico");
    int tip_x = 0, tip_y = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        if (icon.pixels.At(x, y)[3] > 128 && y - x > tip_y - tip_x) tip_x = x, tip_y = y;
      }
    }
    EXPECT_NEAR(tip_x, 8, 2);
    EXPECT_NEAR(tip_y, 24, 2);
    if (paint.r < 0) continue;
    const std::uint8_t* bristle = icon.pixels.At(11, 21);
    EXPECT_NEAR(bristle[0], paint.r, 40);
    EXPECT_NEAR(bristle[1], paint.g, 40);
    EXPECT_NEAR(bristle[2], paint.b, 40);
  }
}

// The game takes a cursor's centre as its hot spot, so each toy is drawn around it.
TEST(AssetLooks, CursorsAreCentredOnTheHotSpot) {
  for (int number = 1; number <= 10; ++number) {
    SCOPED_TRACE(number);
    const IcoImage icon = Cursor(std::to_string(number) + ".ico");
    double sum = 0, sum_x = 0, sum_y = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const double a = icon.pixels.At(x, y)[3];
        sum += a, sum_x += a * (x + 0.5), sum_y += a * (y + 0.5);
      }
    }
    EXPECT_NEAR(sum_x / sum, 16, 2.5);
    EXPECT_NEAR(sum_y / sum, 16, 2.5);
  }
}

TEST(AssetLooks, PickerFacesShowTheColourOfWhatTheySpawn) {
  const std::vector<std::pair<std::string, std::string>> kFaces = {
      {"1Up", "1Bounce"},     {"2Up", "2Bounce"},     {"3Up", "3Bounce"},
      {"4Up", "4Bounce"},     {"5Up", "5Bounce"},     {"6Up", "6Bounce"},
      {"squUp", "squBounce"}, {"cirUp", "cirBounce"}, {"triUp", "triBounce"},
      {"diaUp", "diaBounce"}, {"heaUp", "heaBounce"}, {"staUp", "staBounce"}};
  for (const auto& [face, spawned] : kFaces) {
    SCOPED_TRACE(face);
    EXPECT_LT(HueDistance(Hue(DominantColour(Jpeg(face + ".jpg"))),
                          Hue(DominantColour(Jpeg(spawned + ".jpg")))),
              15.0);
  }
}

// Spawned pictures sit on the black play area: black edges, a big bright glyph inside.
TEST(AssetLooks, SpawnedPicturesAreBrightGlyphsOnBlack) {
  std::vector<std::string> names;
  for (char c = 'A'; c <= 'Z'; ++c) names.push_back(std::string(1, c));
  for (char c = '1'; c <= '6'; ++c) names.push_back(std::string(1, c) + "Bounce");
  for (const char* shape : {"squ", "cir", "tri", "dia", "hea", "sta"})
    names.push_back(std::string(shape) + "Bounce");
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const Pixels image = Jpeg(name + ".jpg");
    double edge = 0;
    int lit = 0;
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const bool border = std::min({x, y, image.width - 1 - x, image.height - 1 - y}) < 3;
        if (border) edge = std::max(edge, Luma(image.At(x, y)));
        lit += Luma(image.At(x, y)) > 100;
      }
    }
    EXPECT_LT(edge, 24);
    EXPECT_GT(lit, image.width * image.height / 16);
  }
}

// How far from the centre the firework's light reaches (the 95th percentile of lit pixels).
double Reach(const Pixels& image) {
  std::vector<double> radii;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (Luma(image.At(x, y)) > 60)
        radii.push_back(std::hypot(x - image.width / 2.0, y - image.height / 2.0));
    }
  }
  if (radii.empty()) return 0;
  std::sort(radii.begin(), radii.end());
  return radii[radii.size() * 95 / 100];
}

TEST(AssetLooks, FireworkGrowsFromTheFirstPictureToTheThird) {
  const double first = Reach(Jpeg("firework1.jpg"));
  const double second = Reach(Jpeg("firework2.jpg"));
  const double third = Reach(Jpeg("firework3.jpg"));
  EXPECT_GT(first, 20);
  EXPECT_GT(second, first + 15);
  EXPECT_GT(third, second + 10);
  EXPECT_LT(third, 128);
}

}  // namespace
}  // namespace assets_test
