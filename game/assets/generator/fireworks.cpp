// The three firework pictures: a burst on black that grows, spreads and fades.
#include <algorithm>
#include <cmath>
#include <string>

#include "families.h"
#include "painter.h"
#include "palette.h"
#include "random.h"

namespace assetgen {
namespace {

constexpr int kSize = 256;  // pixels
constexpr float kMid = kSize / 2.0f;

struct Stage {
  int rays;
  float inner, outer;  // pixels from the centre where the rays start and end
  float brightness;    // 0..1: the last stage fades
  float droop;         // pixels the ends of the rays fall
  float core;          // radius of the central flash in pixels
};

const Stage kStages[] = {
    {14, 10, 62, 1.0f, 0, 40}, {20, 26, 96, 1.0f, 5, 26}, {26, 62, 120, 0.7f, 12, 12}};

const Colour kSparkColours[] = {kYellow, kPink, kSky, kLime, kOrange, kPurple, kRed};

void PaintRay(Image& image, const Stage& stage, float angle, Colour colour, Random& random) {
  const float length = random.Between(0.85f, 1.0f);
  const float c = std::cos(angle), s = std::sin(angle);
  const Point from{kMid + c * stage.inner, kMid + s * stage.inner};
  const Point to{kMid + c * stage.outer * length, kMid + s * stage.outer * length + stage.droop};
  const float fade = stage.brightness;
  const Paint streak = [=](float x, float y) {
    const float along =
        std::hypot(x - from.x, y - from.y) / std::hypot(to.x - from.x, to.y - from.y);
    return WithAlpha(colour, fade * std::clamp(along, 0.15f, 1.0f));
  };
  Fill(image, Segment(from, to, 3.0f), streak, 1.0f, BlendMode::kAdd);
  Fill(image, Circle(to.x, to.y, 4.0f), WithAlpha(colour, 0.55f * fade), 9.0f, BlendMode::kAdd);
  Fill(image, Circle(to.x, to.y, 2.6f), WithAlpha(Lighter(colour, 0.6f), fade), 1.0f,
       BlendMode::kAdd);
}

void PaintGlitter(Image& image, const Stage& stage, Random& random) {
  for (int i = 0; i < stage.rays * 2; ++i) {
    const float angle = random.Between(0, 6.2831853f);
    const float reach = random.Between(stage.inner, stage.outer * 0.95f);
    const Colour colour = kSparkColours[random.Below(7)];
    const float x = kMid + std::cos(angle) * reach,
                y = kMid + std::sin(angle) * reach + stage.droop * 0.6f;
    Fill(image, Circle(x, y, random.Between(0.9f, 1.8f)),
         WithAlpha(Lighter(colour, 0.4f), stage.brightness), 1.0f, BlendMode::kAdd);
  }
}

Image Burst(const Stage& stage, Random& random) {
  Image image(kSize, kSize, Rgb(0, 0, 0));
  Fill(image, Circle(kMid, kMid, stage.core * 0.4f), Rgb(255, 240, 200, 0.9f), stage.core * 1.4f,
       BlendMode::kAdd);
  const float turn = random.Between(0, 1);
  for (int i = 0; i < stage.rays; ++i) {
    const float angle = 6.2831853f * (i + turn + random.Between(-0.2f, 0.2f)) / stage.rays;
    PaintRay(image, stage, angle, kSparkColours[i % 7], random);
  }
  PaintGlitter(image, stage, random);
  return image;
}

}  // namespace

void WriteFireworks(Output& out) {
  Random random(2024);
  int number = 1;
  for (const Stage& stage : kStages) {
    out.App("firework" + std::to_string(number++) + ".jpg", EncodeJpeg(Burst(stage, random)));
  }
}

}  // namespace assetgen
