// Turning a WAV file's 16-bit PCM samples down in memory, where the player cannot scale.
#pragma once

#include <cstdint>
#include <vector>

namespace sound {

// Multiplies every sample of a RIFF WAVE file of 16-bit PCM by gain (0..1), in place. False,
// with the bytes untouched, when the file is no such WAVE file or its chunks run past its end.
bool ScalePcm16Wave(std::vector<std::uint8_t>& wav, float gain);

}  // namespace sound
