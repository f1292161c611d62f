// clsWave against the headless recorder: which file plays in which mode, stops and devices.
#include "game/sound/cls_wave.h"

#include <gtest/gtest.h>

#include "game/sound/wave_output_headless.h"

namespace sound {
namespace {

struct PlayCase {
  const char* name;
  std::optional<std::string> stored_file;   // SetFileName, when called
  std::optional<std::int16_t> stored_mode;  // SetMode, when called
  std::optional<std::string> wavfile;       // PlayWav's arguments
  std::optional<std::int16_t> wavemode;
  std::string played;
  bool asynchronous;
};

const PlayCase kPlayCases[] = {
    {"both arguments, background", {}, {}, "a.wav", 1, "a.wav", true},
    {"both arguments, to the end", {}, {}, "a.wav", 0, "a.wav", false},
    {"no arguments: stored file and mode", "s.wav", 1, {}, {}, "s.wav", true},
    {"file argument: stored mode", "s.wav", 1, "a.wav", {}, "a.wav", true},
    {"mode argument: stored file", "s.wav", 1, {}, 0, "s.wav", false},
    {"nothing stored: empty name, mode 0", {}, {}, {}, {}, "", false},
    {"mode 2 plays to the end", {}, 2, "a.wav", {}, "a.wav", false},
    {"mode -1 plays to the end", {}, {}, "a.wav", -1, "a.wav", false},
    {"mode 257 is not 1", {}, {}, "a.wav", 257, "a.wav", false},
    {"an empty file argument wins over the stored one", "s.wav", {}, "", 1, "", true},
};

TEST(ClsWave, PlayWavTakesArgumentsElseTheStoredValues) {
  for (const PlayCase& c : kPlayCases) {
    HeadlessWaveOutput output;
    clsWave player(output);
    if (c.stored_file) player.SetFileName(*c.stored_file);
    if (c.stored_mode) player.SetMode(*c.stored_mode);
    player.PlayWav(c.wavfile, c.wavemode);
    ASSERT_EQ(output.plays.size(), 1u) << c.name;
    EXPECT_EQ(output.plays[0].path, c.played) << c.name;
    EXPECT_EQ(output.plays[0].asynchronous, c.asynchronous) << c.name;
  }
}

TEST(ClsWave, StoredValuesStartEmptyAndArgumentsDoNotChangeThem) {
  HeadlessWaveOutput output;
  clsWave player(output);
  EXPECT_EQ(player.GetFileName(), "");
  EXPECT_EQ(player.GetMode(), 0);
  player.SetFileName("s.wav");
  player.SetMode(1);
  player.PlayWav(std::string("a.wav"), std::int16_t{0});
  EXPECT_EQ(player.GetFileName(), "s.wav");
  EXPECT_EQ(player.GetMode(), 1);
}

TEST(ClsWave, PlayersShareNothingButTheOutput) {
  HeadlessWaveOutput output;
  clsWave first(output), second(output);
  first.SetFileName("first.wav");
  first.SetMode(1);
  second.PlayWav();
  first.PlayWav();
  second.StopWav();
  ASSERT_EQ(output.plays.size(), 2u);
  EXPECT_EQ(output.plays[0].path, "");
  EXPECT_FALSE(output.plays[0].asynchronous);
  EXPECT_EQ(output.plays[1].path, "first.wav");
  EXPECT_EQ(output.stops, 1);
}

TEST(ClsWave, NumberOfWaveDevicesIsTheOutputsCount) {
  for (int devices : {0, 1, 3}) {
    HeadlessWaveOutput output;
    output.devices = devices;
    EXPECT_EQ(clsWave(output).NumberOfWaveDevices(), devices);
  }
}

}  // namespace
}  // namespace sound
