// The ten mouse cursors, 32 x 32 with alpha, each a bright toy with a dark outline.
#include <cmath>
#include <string>
#include <vector>

#include "families.h"
#include "glossy.h"
#include "painter.h"
#include "palette.h"
#include "toy_shapes.h"

namespace assetgen {
namespace {

constexpr int kSize = 32;         // pixels; the game takes the centre (16, 16) as the hot spot
constexpr float kOutline = 1.6f;  // pixels of dark edge, so a cursor shows on black and on white

struct Part {
  Shape shape;
  Colour colour;
  bool glossy = true;
};

Image Draw(const std::vector<Part>& parts) {
  Image image(kSize, kSize, Rgb(0, 0, 0, 0));
  Shape all = parts.front().shape;
  for (const Part& part : parts) all = all.Plus(part.shape);
  Fill(image, all.Grown(kOutline), kInk);
  for (const Part& part : parts) {
    if (part.glossy) {
      PaintGlossy(image, part.shape, part.colour, {});
    } else {
      Fill(image, part.shape, part.colour);
    }
  }
  return image;
}

std::vector<Part> Flower() {
  std::vector<Part> parts;
  for (int i = 0; i < 6; ++i) {
    const float a = i * 1.0471976f;
    parts.push_back({Circle(16 + 7.4f * std::sin(a), 16 - 7.4f * std::cos(a), 5.6f), kPink});
  }
  parts.push_back({Circle(16, 16, 5.2f), kYellow});
  return parts;
}

std::vector<Part> Sun() {
  return {{Star(16, 16, 14.6f, 8.5f, 10, 0), kOrange}, {Circle(16, 16, 8.6f), kYellow}};
}

std::vector<Part> Fish() {
  return {{Polygon({{21, 16}, {30, 9}, {29, 16}, {30, 23}}).Grown(0.8f), kOrange},
          {Ellipse(13.5f, 16, 10.5f, 7.5f), kOrange},
          {Circle(8.5f, 14.5f, 2.3f), kWhite, false},
          {Circle(8.2f, 14.6f, 1.2f), kInk, false}};
}

std::vector<Part> Balloon() {
  return {{Segment({16, 25}, {17.5f, 30}, 0.7f), kInk, false},
          {Polygon({{16, 23}, {18.5f, 27}, {13.5f, 27}}), kSky},
          {Ellipse(16, 13.5f, 10, 11.5f), kSky}};
}

std::vector<Part> Smiley() {
  const Shape mouth = Circle(16, 16, 8).Minus(Circle(16, 16, 6)).Minus(Above(17, {0, 0, 32, 32}));
  return {{Circle(16, 16, 13.4f), kYellow},
          {Ellipse(11.6f, 12.5f, 1.8f, 2.6f), kInk, false},
          {Ellipse(20.4f, 12.5f, 1.8f, 2.6f), kInk, false},
          {mouth, kInk, false}};
}

std::vector<Part> Butterfly() {
  return {{Ellipse(9.5f, 11, 7, 7).Rotated(9.5f, 11, -0.5f), kPurple},
          {Ellipse(22.5f, 11, 7, 7).Rotated(22.5f, 11, 0.5f), kPurple},
          {Ellipse(10.5f, 22, 5, 5.5f), kPink},
          {Ellipse(21.5f, 22, 5, 5.5f), kPink},
          {Segment({16, 8}, {16, 26}, 1.8f), kInk, false},
          {Segment({15, 8}, {11, 3}, 0.6f), kInk, false},
          {Segment({17, 8}, {21, 3}, 0.6f), kInk, false}};
}

std::vector<std::vector<Part>> AllCursors() {
  const Shape ball = Circle(16, 16, 13.2f);
  return {
      {{Star(16, 17, 14.4f, 6.6f, 5, 0).Grown(0.6f), kYellow}},
      {{ball, kSky},
       {ball.Within(Circle(16, 34, 24).Minus(Circle(16, 34, 19))), kYellow},
       {ball.Within(Circle(16, 34, 19).Minus(Circle(16, 34, 14))), kRed}},
      {{Heart(16, 16.5f, 28), kRed}},
      Flower(),
      Sun(),
      Fish(),
      {{Circle(19, 16, 13.4f).Minus(Circle(25.5f, 11.5f, 10.5f)), Rgb(255, 236, 120)}},
      Balloon(),
      Smiley(),
      Butterfly(),
  };
}

}  // namespace

void WriteCursors(Output& out) {
  int number = 1;
  for (const std::vector<Part>& parts : AllCursors()) {
    out.App(std::to_string(number++) + ".ico", EncodeIco({Draw(parts)}));
  }
}

}  // namespace assetgen
