// The game's random numbers: single precision r in [0, 1), reseeded from the platform's timer.
#pragma once

#include <cstdint>

namespace forms {

class Random {
 public:
  void Reseed(double seed);
  float Next();  // 0 <= r < 1
  // A pick from 1 to n: the integer part of (r * n + 1).
  int Pick(int n) { return static_cast<int>(Next() * static_cast<float>(n) + 1.0f); }

 private:
  std::uint32_t state_ = 0x50000;  // 24-bit generator state
};

}  // namespace forms
