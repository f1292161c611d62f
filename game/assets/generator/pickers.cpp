// The activity screens' picker buttons: each face shows exactly the pictures its group spawns.
#include <algorithm>
#include <string>
#include <vector>

#include "button_tile.h"
#include "families.h"
#include "glossy.h"
#include "palette.h"
#include "toy_shapes.h"

namespace assetgen {
namespace {

constexpr int kSize = 256;  // pixels, square

const TileStyle kPickerTile{.backdrop = Rgb(0, 0, 0),
                            .face = Rgb(255, 248, 232),
                            .rim = Rgb(70, 80, 140),
                            .margin = 8,
                            .radius = 42,
                            .rim_width = 7};

struct Item {
  Shape shape;
  Colour colour;
};

Bytes Face(const std::vector<Item>& items, bool pressed) {
  TileFace face = PaintTile(kSize, kSize, kPickerTile, pressed);
  for (const Item& item : items) {
    PaintGlossy(face.image, item.shape.Moved(face.shift.x, face.shift.y),
                Darker(item.colour, face.dim),
                {.rim = 4.5f, .rim_colour = kInk, .shadow = pressed ? 0.0f : 5.0f});
  }
  return EncodeJpeg(face.image);
}

// One row of letters centred at y, shrunk together when the row is wider than the tile allows.
void AddRow(const Font& font, const std::string& letters, float y, std::vector<Item>& items) {
  constexpr float kCap = 78, kGap = 8, kRoom = 206;  // pixels
  std::vector<float> widths;
  float total = kGap * (letters.size() - 1);
  for (char c : letters) {
    const Box ink = font.Text(std::string(1, c), 0, 0, kCap).Bounds();
    widths.push_back(ink.x1 - ink.x0);
    total += widths.back();
  }
  const float scale = std::min(1.0f, kRoom / total);
  float x = kSize / 2.0f - total * scale / 2;
  for (std::size_t i = 0; i < letters.size(); ++i) {
    const float mid = x + widths[i] * scale / 2;
    items.push_back(
        {font.Text(std::string(1, letters[i]), mid, y, kCap * scale), LetterColour(letters[i])});
    x += (widths[i] + kGap) * scale;
  }
}

// Capital letters in two rows, the first the longer one: "abcd" 2 + 2, "qrstu" 3 + 2.
std::vector<Item> LetterItems(const Font& font, const std::string& group) {
  std::string letters = group;
  for (char& c : letters) c = static_cast<char>(c - 'a' + 'A');
  const std::size_t first_row = (letters.size() + 1) / 2;
  std::vector<Item> items;
  AddRow(font, letters.substr(0, first_row), kSize / 2.0f - 50, items);
  AddRow(font, letters.substr(first_row), kSize / 2.0f + 50, items);
  return items;
}

void WritePair(Output& out, const std::string& up, const std::string& down,
               const std::vector<Item>& items) {
  out.App(up, Face(items, false));
  out.App(down, Face(items, true));
}

}  // namespace

void WritePickers(Output& out, const Font& font) {
  for (const char* group : {"abcd", "efgh", "ijkl", "mnop", "qrstu", "vwxyz"}) {
    WritePair(out, std::string(group) + "-Up.jpg", std::string(group) + "-down.jpg",
              LetterItems(font, group));
  }
  // Letter case as the screens name them: "3down" and "5down" beside "1Down".
  const char* const kDigitDown[] = {"1Down", "2Down", "3down", "4Down", "5down", "6Down"};
  for (char digit = '1'; digit <= '6'; ++digit) {
    const Item item{font.Text(std::string(1, digit), kSize / 2.0f, kSize / 2.0f, 150),
                    DigitColour(digit)};
    WritePair(out, std::string(1, digit) + "Up.jpg", std::string(kDigitDown[digit - '1']) + ".jpg",
              {item});
  }
  for (const ShapeInfo& info : AllShapes()) {
    const Item item{ToyShape(info.kind, kSize / 2.0f, kSize / 2.0f, 160), info.colour};
    WritePair(out, std::string(info.key) + "Up.jpg", std::string(info.key) + "Down.jpg", {item});
  }
}

}  // namespace assetgen
