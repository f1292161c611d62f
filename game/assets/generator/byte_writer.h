// Little-endian writing into a buffer of known size (the ICO and WAV headers).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace assetgen {

class ByteWriter {
 public:
  explicit ByteWriter(std::size_t size) : bytes_(size) {}
  void U8(unsigned v) {
    if (at_ >= bytes_.size()) throw std::logic_error("ByteWriter: buffer too small");
    bytes_[at_++] = static_cast<std::uint8_t>(v);
  }
  void U16(unsigned v) {
    U8(v & 0xFF);
    U8((v >> 8) & 0xFF);
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void Tag(const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) U8(static_cast<unsigned char>(tag[i]));
  }
  // The buffer, which must be exactly filled.
  std::vector<std::uint8_t> Take() {
    if (at_ != bytes_.size()) throw std::logic_error("ByteWriter: buffer not filled");
    return std::move(bytes_);
  }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

}  // namespace assetgen
