// The game's 24-bit linear congruential generator and its reseeding from a double.
#include "game/forms/random.h"

#include <cstring>

namespace forms {

void Random::Reseed(double seed) {
  // The seed's high word (sign, exponent, top of the mantissa) is folded into the middle
  // 16 bits of the state, so seeds a few milliseconds apart give different sequences.
  std::uint64_t bits = 0;
  std::memcpy(&bits, &seed, sizeof bits);
  const auto high = static_cast<std::uint32_t>(bits >> 32);
  const std::uint32_t mixed = ((high & 0xFFFF) ^ (high >> 16)) << 8;
  state_ = (state_ & 0xFF0000FF) | (mixed & 0x00FFFF00);
}

float Random::Next() {
  state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
  return static_cast<float>(state_) / 16777216.0f;
}

}  // namespace forms
