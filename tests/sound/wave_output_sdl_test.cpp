// The SDL wave output on SDL's dummy and disk audio drivers: PlaySoundA's behaviour, bad files.
#include "game/sound/wave_output_sdl.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/sound/cls_wave.h"
#include "wav_writer.h"

namespace sound {
namespace {

namespace fs = std::filesystem;

class SdlWaveOutputTest : public testing::Test {
 protected:
  void SetUp() override {
    folder = fs::path(testing::TempDir()) /
             ("wave_output_" + std::to_string(getpid()) + "_" +
              testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    WriteWav(Path("short.wav"), {.frames = 1100});       // 50 ms
    WriteWav(Path("long.wav"), {.frames = 22050 * 20});  // still playing at the test's end
    WriteWav(Path("other.wav"), {.frames = 22050 * 20, .channels = 2});
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string Path(const std::string& name) const { return (folder / name).string(); }

  fs::path folder;
};

TEST_F(SdlWaveOutputTest, TheDummyDriverHasOneDevice) {
  SdlWaveOutput output;
  EXPECT_EQ(output.DeviceCount(), 1);
  EXPECT_EQ(output.NowPlaying(), "");
}

TEST_F(SdlWaveOutputTest, ASynchronousPlayReturnsWhenTheSoundHasEnded) {
  SdlWaveOutput output;
  output.Play(Path("short.wav"), false);
  EXPECT_EQ(output.NowPlaying(), "");
}

TEST_F(SdlWaveOutputTest, AnAsynchronousPlayReplacesTheOneBefore) {
  SdlWaveOutput output;
  output.Play(Path("long.wav"), true);
  EXPECT_EQ(output.NowPlaying(), Path("long.wav"));
  output.Play(Path("other.wav"), true);
  EXPECT_EQ(output.NowPlaying(), Path("other.wav"));
  output.Play(Path("short.wav"), false);
  EXPECT_EQ(output.NowPlaying(), "");
}

TEST_F(SdlWaveOutputTest, StopSilencesASoundOfAnyPlayer) {
  SdlWaveOutput output;
  clsWave first(output), second(output);
  first.PlayWav(Path("long.wav"), std::int16_t{1});
  EXPECT_EQ(output.NowPlaying(), Path("long.wav"));
  second.StopWav();
  EXPECT_EQ(output.NowPlaying(), "");
  second.StopWav();
  EXPECT_EQ(output.NowPlaying(), "");
}

TEST_F(SdlWaveOutputTest, MissingAndBrokenFilesPlayNothingAndCutTheSoundOff) {
  WavShape mp3{.frames = 100};
  mp3.format_tag = 0x55;
  WavShape silent_channels{.frames = 100};
  silent_channels.channels = 0;
  const std::string riff_only = WavBytes({.frames = 100}).substr(0, 12);
  std::string no_data = WavBytes({.frames = 0});
  no_data.resize(no_data.size() - 8);
  const struct {
    const char* name;
    std::string bytes;
  } broken[] = {
      {"empty.wav", ""},
      {"text.wav", "this is not a sound\n"},
      {"riff_only.wav", riff_only},
      {"no_data.wav", no_data},
      {"zero_length.wav", WavBytes({.frames = 0})},
      {"mp3_in_wav.wav", WavBytes(mp3)},
      {"no_channels.wav", WavBytes(silent_channels)},
  };
  SdlWaveOutput output;
  for (const auto& file : broken) {
    WriteBytes(Path(file.name), file.bytes);
    for (bool asynchronous : {true, false}) {
      output.Play(Path("long.wav"), true);
      output.Play(Path(file.name), asynchronous);
      EXPECT_EQ(output.NowPlaying(), "") << file.name;
    }
  }
  output.Play(Path("long.wav"), true);
  output.Play(Path("absent.wav"), false);
  EXPECT_EQ(output.NowPlaying(), "");
  output.Play(folder.string(), true);
  output.Play("", true);
  EXPECT_EQ(output.NowPlaying(), "");
}

TEST_F(SdlWaveOutputTest, TheGamesFileNamesGoThroughTheResolver) {
  std::vector<std::string> asked;
  SdlWaveOutput output([&](const std::string& name) {
    asked.push_back(name);
    return name == "\\FIRE1.WAV" ? Path("long.wav") : std::string();
  });
  output.Play("\\FIRE1.WAV", true);
  EXPECT_EQ(output.NowPlaying(), "\\FIRE1.WAV");
  output.Play("\\nothing.wav", true);
  EXPECT_EQ(output.NowPlaying(), "");
  EXPECT_EQ(asked, (std::vector<std::string>{"\\FIRE1.WAV", "\\nothing.wav"}));
}

TEST_F(SdlWaveOutputTest, WithoutAnAudioDriverNothingPlaysAndNothingHangs) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  SdlWaveOutput output;
  EXPECT_EQ(output.DeviceCount(), 0);
  output.Play(Path("long.wav"), false);
  output.Play(Path("long.wav"), true);
  EXPECT_EQ(output.NowPlaying(), "");
  output.Stop();
}

// Long clips, so each is still heard when the test looks.
TEST_F(SdlWaveOutputTest, TheVoiceSpeaksBesideTheWaveSoundAndOnlyTheNewestNameWaits) {
  for (const char* name : {"one.wav", "two.wav", "three.wav"}) {
    WriteWav(Path(name), {.frames = 22050 * 20});
  }
  SdlWaveOutput output;
  output.Play(Path("long.wav"), true);
  output.Say(Path("one.wav"));
  output.Say(Path("two.wav"));
  output.Say(Path("three.wav"));
  output.Say(Path("absent.wav"));  // passed over: the waiting name stays
  EXPECT_EQ(output.NowSaying(), Path("one.wav"));
  EXPECT_EQ(output.NextSaying(), Path("three.wav"));
  EXPECT_EQ(output.NowPlaying(), Path("long.wav"));
  output.Play(Path("other.wav"), true);
  output.Stop();
  EXPECT_EQ(output.NowSaying(), Path("one.wav")) << "the firework's player leaves the voice alone";
}

// Played as recorded, and at the quiet setting's gain: 0x1000 becomes 0x0400.
TEST_F(SdlWaveOutputTest, TheDeviceHearsTheWholeSoundConverted) {
  const struct {
    float gain;
    std::int16_t above;  // every heard sample of the sound is above this, none above 3 times it
  } cases[] = {{1.0f, 0x0800}, {kQuietGain, 0x0200}};
  for (const auto& c : cases) {
    const std::string heard = Path("heard.raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", heard.c_str(), 1);
    {
      SdlWaveOutput output;
      output.SetGain(c.gain);
      output.Play(Path("short.wav"), false);
    }
    std::ifstream file(heard, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    // 1100 mono frames at 22050 Hz are 2200 frames at 44100 Hz: 4400 samples in stereo.
    int loud = 0, too_loud = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
      const auto sample = static_cast<std::int16_t>(
          static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
      if (sample > c.above) ++loud;
      if (sample > 3 * c.above) ++too_loud;
    }
    EXPECT_GE(loud, 4000) << c.gain;
    EXPECT_LE(loud, 4800) << c.gain;
    EXPECT_EQ(too_loud, 0) << c.gain;
  }
}

}  // namespace
}  // namespace sound
