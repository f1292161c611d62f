// Look-ups in the colour table.
#include "game/paint/paint_color.h"

#include <stdexcept>

namespace paint {

const PaintColor& ColorByPick(int pick) {
  for (const PaintColor& color : kPaintColors) {
    if (color.pick == pick) return color;
  }
  throw std::out_of_range("no colour with pick number " + std::to_string(pick));
}

const PaintColor& ColorAtSlot(int slot) {
  for (const PaintColor& color : kPaintColors) {
    if (color.slot == slot) return color;
  }
  throw std::out_of_range("no colour button in slot " + std::to_string(slot));
}

}  // namespace paint
