// Painting keeps up with a fast mouse: each dot is shown at once and presents only its own area.
#include "tests/paint/paint_fixture.h"

namespace paint_test {
namespace {

using PaintPresentTest = PaintFixture;

constexpr long long kDotArea = 10 * 10;  // pixels: the dot's bounding square

TEST_F(PaintPresentTest, ADotPresentsOnlyItsOwnSmallArea) {
  Open();
  auto& platform = scenario.Platform();
  const long long presents = platform.presents, pixels = platform.presented_pixels;
  MoveOver(300, 300);
  EXPECT_EQ(platform.presents, presents + 1);
  EXPECT_EQ(platform.presented_pixels - pixels, kDotArea);
  ASSERT_EQ(platform.last_present.size(), 1u);
  const forms::PixelRect r = platform.last_present[0];
  const forms::PixelRect box = Picture1().BoundsOnForm();
  EXPECT_EQ(r.x, box.x + DotX(300) - 5);
  EXPECT_EQ(r.y, box.y + DotY(300) - 5);
  EXPECT_EQ(r.w, 10);
  EXPECT_EQ(r.h, 10);
}

TEST_F(PaintPresentTest, EveryMoveOfAThousandHertzMouseIsShownBeforeTheNextFrame) {
  Open();
  auto& platform = scenario.Platform();
  const forms::PixelRect box = Picture1().BoundsOnForm();
  const long long pixels = platform.presented_pixels;
  const int kMoves = 1000;  // one second of a 1000 Hz mouse, a new place every millisecond
  for (int i = 0; i < kMoves; ++i) {
    const int x = 20 + (i * 13) % (box.w - 40), y = 20 + (i * 7) % (box.h - 40);
    MoveOver(x, y);
    scenario.Advance(1);
    ASSERT_EQ(screen.Drawing()->At(box.x + DotX(x), box.y + DotY(y)), Pen()) << "move " << i;
  }
  EXPECT_LE(platform.presented_pixels - pixels, kMoves * kDotArea)
      << "no move presents more than its dot";
}

}  // namespace
}  // namespace paint_test
