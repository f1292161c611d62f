// The quiet volume: a turned-down WAV in memory (Windows) and the gain each play records.
#include "game/sound/wave_gain.h"

#include <gtest/gtest.h>

#include "game/sound/cls_wave.h"
#include "game/sound/wave_output_headless.h"
#include "wav_writer.h"

namespace sound {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

std::int16_t FirstSample(const std::vector<std::uint8_t>& wav) {
  const std::size_t data = wav.size() - 4;  // the writer's samples end the file
  return static_cast<std::int16_t>(wav[data] | (wav[data + 1] << 8));
}

TEST(WaveGain, ScalesSixteenBitPcmAndLeavesAnythingElseAlone) {
  const struct {
    const char* name;
    WavShape shape;
    bool scaled;
    std::int16_t first_sample;
  } cases[] = {
      {"quiet", {.frames = 2, .value = 0x1000}, true, 0x0400},
      {"negative", {.frames = 2, .value = -0x1000}, true, -0x0400},
      {"not PCM", {.frames = 2, .value = 0x1000, .format_tag = 0x55}, false, 0x1000},
  };
  for (const auto& c : cases) {
    std::vector<std::uint8_t> wav = Bytes(WavBytes(c.shape));
    EXPECT_EQ(ScalePcm16Wave(wav, kQuietGain), c.scaled) << c.name;
    EXPECT_EQ(FirstSample(wav), c.first_sample) << c.name;
  }
}

TEST(WaveGain, DamagedFilesAreRefusedUntouched) {
  const std::string good = WavBytes({.frames = 4});
  std::string long_chunk = good;
  long_chunk[16] = '\x7F';  // the fmt chunk claims more bytes than the file has
  for (const std::string& bad :
       {std::string(), good.substr(0, 11), std::string("RIFX") + good.substr(4), long_chunk,
        good.substr(0, 36)}) {
    std::vector<std::uint8_t> wav = Bytes(bad);
    EXPECT_FALSE(ScalePcm16Wave(wav, kQuietGain));
    EXPECT_EQ(wav, Bytes(bad));
  }
}

TEST(WaveGain, EachPlayRecordsTheOutputsGain) {
  HeadlessWaveOutput output;
  clsWave player(output);
  player.PlayWav("fire1.wav", std::int16_t{1});
  output.SetGain(kQuietGain);
  player.PlayWav("fire1.wav", std::int16_t{1});
  ASSERT_EQ(output.plays.size(), 2u);
  EXPECT_FLOAT_EQ(output.plays[0].gain, 1.0f);
  EXPECT_FLOAT_EQ(output.plays[1].gain, kQuietGain);
}

}  // namespace
}  // namespace sound
