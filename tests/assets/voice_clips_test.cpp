// The shipped voice clips: one for every name in every language, each a short mono WAV that
// decodes, trimmed, and all of one loudness.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/assets/asset_names.h"
#include "game/sound/wav_clip.h"

namespace {

constexpr double kMaxSeconds = 1.2;
constexpr double kLoudnessSpread = 1.0;  // dB between the softest and the loudest clip
constexpr double kQuietLevel = 0.01;     // of full scale: below it a sample counts as silence
constexpr double kMaxQuietEdge = 0.1;    // seconds of silence a trimmed clip may start or end with

// The level of a clip as sox's "RMS lev dB" gives it: the root mean square of the samples,
// in decibels of full scale.
double RmsDb(const sound::WavClip& clip) {
  double sum = 0;
  const std::size_t count = clip.data.size() / 2;
  for (std::size_t i = 0; i < count; ++i) {
    const auto sample = static_cast<std::int16_t>(clip.data[2 * i] | clip.data[2 * i + 1] << 8);
    sum += (sample / 32768.0) * (sample / 32768.0);
  }
  return 10 * std::log10(sum / static_cast<double>(count));
}

double Level(const sound::WavClip& clip, std::size_t sample) {
  const auto value =
      static_cast<std::int16_t>(clip.data[2 * sample] | clip.data[2 * sample + 1] << 8);
  return std::abs(value / 32768.0);
}

// The seconds of silence at the clip's start, or at its end when from_end.
double QuietEdge(const sound::WavClip& clip, bool from_end) {
  const std::size_t count = clip.data.size() / 2;
  std::size_t quiet = 0;
  while (quiet < count && Level(clip, from_end ? count - 1 - quiet : quiet) < kQuietLevel) ++quiet;
  return static_cast<double>(quiet) / clip.frames_per_second;
}

TEST(VoiceClips, EveryNameInEveryLanguageIsAShortClipOfOneLoudness) {
  double softest = 200, loudest = -200;
  for (const char* language : assets::kVoiceLanguages) {
    for (const char* name : assets::kVoiceNames) {
      const std::string path =
          std::string(WOB_APP_DIR) + "/voices/" + language + "/" + name + ".wav";
      SCOPED_TRACE(path);
      std::ifstream file(path, std::ios::binary);
      const std::string bytes((std::istreambuf_iterator<char>(file)), {});
      const auto clip = sound::ParseWavClip(bytes);
      ASSERT_TRUE(clip) << "missing or not a PCM WAV";
      EXPECT_EQ(clip->channels, 1);
      EXPECT_EQ(clip->bits, 16);
      EXPECT_GT(clip->Seconds(), 0.1);
      EXPECT_LT(clip->Seconds(), kMaxSeconds);
      EXPECT_LT(std::max(QuietEdge(*clip, false), QuietEdge(*clip, true)), kMaxQuietEdge)
          << "not trimmed";
      softest = std::min(softest, RmsDb(*clip));
      loudest = std::max(loudest, RmsDb(*clip));
    }
  }
  EXPECT_LE(loudest - softest, kLoudnessSpread)
      << "softest " << softest << " dB, loudest " << loudest << " dB";
}

// The build's clips are the bytes the script makes again from the same words.
TEST(VoiceClips, SpeakingAgainGivesTheSameBytes) {
  const std::string again = testing::TempDir() + "voices_again";
  const std::string command = "bash " WOB_VOICES_SOURCE "/make_voices.sh '" + again +
                              "' " WOB_VOICES_SOURCE " 'en tr' 'a star'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  for (const char* clip : {"/en/a.wav", "/en/star.wav", "/tr/a.wav", "/tr/star.wav"}) {
    std::ifstream built(std::string(WOB_APP_DIR) + "/voices" + clip, std::ios::binary);
    std::ifstream made(again + clip, std::ios::binary);
    EXPECT_TRUE(std::equal(std::istreambuf_iterator<char>(built), {},
                           std::istreambuf_iterator<char>(made), {}))
        << clip;
  }
  std::filesystem::remove_all(again);
}

}  // namespace
