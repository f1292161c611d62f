// Fuzz target: the icon reader, as the cursor and picture loaders use it.
#include <cstddef>
#include <cstdint>

#include "game/forms/errors.h"
#include "game/forms/ico_reader.h"
#include "game/forms/picture.h"
#include "tests/fuzz/fuzz_use.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A cursor file: the icon reader alone, whatever the first bytes say.
  if (const std::optional<forms::Picture> icon = forms::DecodeIco(data, size)) {
    fuzz::UseAsCursor(*icon);
  }
  // The same bytes as a picture file, through the one decoder every load goes through.
  try {
    fuzz::UseAsPicture(*forms::DecodePicture(data, size, "fuzz.ico"));
  } catch (const forms::RuntimeError&) {
  }
  return 0;
}
