// The voice's WAV reader: a good clip read whole, damaged ones refused, as one table.
#include "game/sound/wav_clip.h"

#include <gtest/gtest.h>

#include "wav_writer.h"

namespace sound {
namespace {

TEST(WavClip, ReadsPcmAndRefusesDamagedFiles) {
  const std::string good = WavBytes({.frames = 1600, .rate = 16000});
  struct Case {
    const char* what;
    std::string bytes;
    bool read;
  };
  const Case cases[] = {
      {"a PCM clip", good, true},
      {"stereo", WavBytes({.frames = 10, .channels = 2}), true},
      {"empty", "", false},
      {"no RIFF", "RIFX" + good.substr(4), false},
      {"cut in the data", good.substr(0, good.size() / 2), false},
      {"cut in the header", good.substr(0, 30), false},
      {"not PCM", WavBytes({.frames = 10, .format_tag = 3}), false},
  };
  for (const Case& c : cases) {
    const auto clip = ParseWavClip(c.bytes);
    EXPECT_EQ(clip.has_value(), c.read) << c.what;
  }
  const auto clip = ParseWavClip(good);
  ASSERT_TRUE(clip);
  EXPECT_DOUBLE_EQ(clip->Seconds(), 0.1);
  EXPECT_EQ(clip->data.size(), 3200u);
}

}  // namespace
}  // namespace sound
