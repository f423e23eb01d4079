// Bounds-checked little-endian reads over the bytes of a picture file. Every read past the end throws
// HostError 481, so a reader never has to check a length before it reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/pictures/picture_limits.h"

namespace vellumar::pictures {

// The count bytes at offset of bytes; throws HostError 481 when any of them lies outside. Takes 64-bit
// values so that sums of file fields cannot wrap before they are checked.
inline std::span<const uint8_t> SubSpan(std::span<const uint8_t> bytes, uint64_t offset, uint64_t count) {
  if (offset > bytes.size() || count > bytes.size() - offset) ThrowInvalidPicture();
  return bytes.subspan(static_cast<size_t>(offset), static_cast<size_t>(count));
}

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t position() const { return position_; }
  size_t remaining() const { return bytes_.size() - position_; }
  std::span<const uint8_t> bytes() const { return bytes_; }

  void Seek(uint64_t position) {
    if (position > bytes_.size()) ThrowInvalidPicture();
    position_ = static_cast<size_t>(position);
  }
  void Skip(uint64_t count) { Bytes(count); }

  std::span<const uint8_t> Bytes(uint64_t count) {
    std::span<const uint8_t> result = SubSpan(bytes_, position_, count);
    position_ += result.size();
    return result;
  }
  uint8_t U8() { return Bytes(1)[0]; }
  uint16_t U16() {
    std::span<const uint8_t> b = Bytes(2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
  }
  uint32_t U32() {
    std::span<const uint8_t> b = Bytes(4);
    return uint32_t{b[0]} | (uint32_t{b[1]} << 8) | (uint32_t{b[2]} << 16) | (uint32_t{b[3]} << 24);
  }
  int32_t I32() { return static_cast<int32_t>(U32()); }

 private:
  std::span<const uint8_t> bytes_;
  size_t position_ = 0;
};

}  // namespace vellumar::pictures
