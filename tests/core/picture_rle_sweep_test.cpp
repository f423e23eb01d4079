// Run-length bitmaps: seeded random RLE8 and RLE4 streams decoded by the reader and by a reference that
// visits every pixel of every run one by one, as the runs describe them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/errors/host_error.h"
#include "platform/pictures/rle_decoder.h"

namespace vellumar {
namespace {

using pictures::DibHeader;
using Bytes = std::vector<uint8_t>;

// Reads pixel by pixel; nullopt where the stream is refused (it ends while rows remain, or mid-command).
std::optional<std::vector<uint32_t>> ReferenceDecode(int32_t width, int32_t height, int depth,
                                                     const std::vector<uint32_t>& palette,
                                                     const Bytes& data) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  size_t pos = 0;
  int32_t x = 0;
  int32_t row = 0;
  const auto put = [&](uint32_t index) {
    if (row < height && x < width) {
      pixels[static_cast<size_t>(height - 1 - row) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
          index < palette.size() ? palette[index] : 0;
    }
    if (x < width) ++x;
  };
  const auto nibble = [](uint8_t byte, int i) { return i % 2 == 0 ? byte >> 4 : byte & 0x0F; };
  while (row < height) {
    if (data.size() - pos < 2) return std::nullopt;
    const uint8_t count = data[pos];
    const uint8_t value = data[pos + 1];
    pos += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(depth == 8 ? value : nibble(value, i));
    } else if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (data.size() - pos < 2) return std::nullopt;
      x = std::min(x + data[pos], width);
      row += data[pos + 1];
      pos += 2;
    } else {
      const size_t bytes = depth == 8 ? value : (value + 1u) / 2;
      const size_t padded = bytes + bytes % 2;
      if (data.size() - pos < bytes) return std::nullopt;
      for (int i = 0; i < value; ++i)
        put(depth == 8 ? data[pos + static_cast<size_t>(i)]
                       : nibble(data[pos + static_cast<size_t>(i / 2)], i));
      if (data.size() - pos < padded) return std::nullopt;
      pos += padded;
    }
  }
  return pixels;
}

// Commands picked so that runs often overshoot the right edge, deltas leave the bitmap, literals get cut
// and streams end early.
Bytes RandomStream(std::mt19937& rng, int depth) {
  Bytes data;
  const int commands = static_cast<int>(rng() % 24);
  for (int c = 0; c < commands; ++c) {
    const uint32_t pick = rng() % 10;
    if (pick < 5) {
      data.push_back(static_cast<uint8_t>(rng() % 4 == 0 ? 255 - rng() % 8 : 1 + rng() % 12));
      data.push_back(static_cast<uint8_t>(rng()));
    } else if (pick < 7) {
      data.insert(data.end(), {0, 0});
    } else if (pick == 7) {
      data.insert(data.end(), {0, 2, static_cast<uint8_t>(rng() % 6), static_cast<uint8_t>(rng() % 3)});
    } else {
      const uint8_t count = static_cast<uint8_t>(3 + rng() % (rng() % 4 == 0 ? 253 : 12));
      const size_t bytes = depth == 8 ? count : (count + 1u) / 2;
      data.insert(data.end(), {0, count});
      for (size_t i = 0; i < bytes + bytes % 2; ++i) data.push_back(static_cast<uint8_t>(rng()));
    }
  }
  if (rng() % 3 != 0) data.insert(data.end(), {0, 1});
  if (rng() % 8 == 0 && !data.empty()) data.resize(rng() % data.size());
  return data;
}

TEST(RleDecoder, EveryRandomStreamDecodesAsItsRunsWalkedPixelByPixel) {
  std::mt19937 rng(20240917);
  int refused = 0;
  for (int round = 0; round < 20000; ++round) {
    const int depth = rng() % 2 == 0 ? 8 : 4;
    DibHeader header;
    header.width = static_cast<int32_t>(1 + rng() % 20);
    header.height = static_cast<int32_t>(1 + rng() % 6);
    header.bit_count = static_cast<uint16_t>(depth);
    header.compression = depth == 8 ? pictures::kBiRle8 : pictures::kBiRle4;
    std::vector<uint32_t> palette(rng() % (depth == 8 ? 300 : 20));
    for (uint32_t& color : palette) color = rng() & 0xFFFFFF;
    const Bytes data = RandomStream(rng, depth);
    const std::optional<std::vector<uint32_t>> expected =
        ReferenceDecode(header.width, header.height, depth, palette, data);
    SCOPED_TRACE("round " + std::to_string(round));
    try {
      const Bitmap bitmap = pictures::DecodeRle(header, palette, data);
      ASSERT_TRUE(expected.has_value()) << "decoded a stream the reference refuses";
      ASSERT_EQ(bitmap.pixels(), *expected);
    } catch (const HostError& e) {
      ASSERT_EQ(e.number(), kErrInvalidPicture);
      ASSERT_FALSE(expected.has_value()) << "refused a stream the reference decodes";
      ++refused;
    }
  }
  // Both outcomes must be well represented for the sweep to mean anything.
  EXPECT_GT(refused, 2000);
  EXPECT_LT(refused, 18000);
}

}  // namespace
}  // namespace vellumar
