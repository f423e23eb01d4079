// Where an encoder puts the bytes of a file, in order, as it makes them.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace vellumar {

// Takes the next bytes of the file; throws (HostError, as the writer behind it does) when they cannot be
// kept. The span is only valid during the call.
using ByteSink = std::function<void(std::span<const uint8_t>)>;

// A sink that appends to bytes, for encoders whose whole output is wanted in memory.
inline ByteSink AppendingTo(std::vector<uint8_t>& bytes) {
  return [&bytes](std::span<const uint8_t> more) { bytes.insert(bytes.end(), more.begin(), more.end()); };
}

}  // namespace vellumar
