// The firework sound: a rising whoosh, a crack with a low thump, then a tail of sparkles.
#include <algorithm>
#include <cmath>
#include <vector>

#include "families.h"
#include "random.h"

namespace assetgen {
namespace {

constexpr int kRate = 22050;       // samples per second
constexpr float kLength = 1.5f;    // seconds
constexpr float kBurstAt = 0.42f;  // seconds
constexpr float kPeak = 0.708f;    // -3 dBFS
constexpr float kTwoPi = 6.2831853f;

using Samples = std::vector<float>;

// White noise through a band-pass that sweeps up, louder as it climbs.
void AddWhoosh(Samples& out, Random& random) {
  float low = 0, band = 0;
  const int end = static_cast<int>(kBurstAt * kRate);
  for (int i = 0; i < end; ++i) {
    const float t = static_cast<float>(i) / end;
    const float centre = 400.0f * std::pow(8.5f, t);  // Hz
    const float f = 2 * std::sin(3.14159265f * centre / kRate);
    const float noise = random.Between(-1, 1);
    const float high = noise - low - 0.5f * band;
    band += f * high;
    low += f * band;
    const float fade_out = std::min(1.0f, (end - i) / (0.01f * kRate));
    out[i] += 0.55f * band * t * t * fade_out;
  }
}

// A sharp noise crack, a falling low thump and a short rumble.
void AddBurst(Samples& out, Random& random) {
  const int start = static_cast<int>(kBurstAt * kRate);
  float phase = 0, rumble = 0;
  for (int i = start; i < static_cast<int>(out.size()); ++i) {
    const float t = static_cast<float>(i - start) / kRate;
    const float noise = random.Between(-1, 1);
    rumble += 0.05f * (noise - rumble);
    phase += kTwoPi * (45.0f + 70.0f * std::exp(-t / 0.06f)) / kRate;
    out[i] += noise * std::exp(-t / 0.022f) * 0.9f;
    out[i] += std::sin(phase) * std::exp(-t / 0.13f) * std::min(1.0f, t / 0.003f);
    out[i] += rumble * std::exp(-t / 0.35f) * 2.2f;
  }
}

// Short high pings and crackles, thinning out and fading.
void AddSparkles(Samples& out, Random& random) {
  const int size = static_cast<int>(out.size());
  for (int n = 0; n < 70; ++n) {
    const float when = kBurstAt + 0.05f + 0.95f * std::pow(random.Unit(), 1.4f);
    const bool ping = n % 3 != 0;
    const float pitch = random.Between(2400, 6200),
                decay = ping ? random.Between(0.012f, 0.04f) : 0.003f;
    const float level = random.Between(0.12f, 0.32f) * (1.2f - (when - kBurstAt));
    const int start = static_cast<int>(when * kRate);
    for (int i = start; i < std::min(size, start + static_cast<int>(decay * 6 * kRate)); ++i) {
      const float t = static_cast<float>(i - start) / kRate;
      const float wave = ping ? std::sin(kTwoPi * pitch * t) : random.Between(-1, 1);
      out[i] += level * wave * std::exp(-t / decay);
    }
  }
}

}  // namespace

void WriteFireworkSound(Output& out) {
  Samples samples(static_cast<std::size_t>(kLength * kRate), 0.0f);
  Random random(1234);
  AddWhoosh(samples, random);
  AddBurst(samples, random);
  AddSparkles(samples, random);
  const int fade = static_cast<int>(0.15f * kRate);
  for (int i = 0; i < fade; ++i) samples[samples.size() - 1 - i] *= static_cast<float>(i) / fade;
  float peak = 0;
  for (float s : samples) peak = std::max(peak, std::abs(std::tanh(s)));
  for (float& s : samples) s = std::tanh(s) * kPeak / peak;
  out.App("fire1.wav", EncodeWav(samples, kRate));
}

}  // namespace assetgen
