// Fuzz target: the in-memory picture decoder (JPEG and ICO) that every file load goes through.
#include <cstddef>
#include <cstdint>

#include "game/forms/errors.h"
#include "game/forms/picture.h"
#include "tests/fuzz/fuzz_use.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    fuzz::UseAsPicture(*forms::DecodePicture(data, size, "fuzz.jpg"));
  } catch (const forms::RuntimeError&) {
  }
  return 0;
}
