// Run-length bitmap decoding over the size of the stream, on two shapes: long runs over a 1 x 1 bitmap,
// whose time must follow the stream's bytes and not the pixels the runs claim, and a 256 x 256 bitmap of
// short runs and literals, every pixel written. Bytes per second are reported for both.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/pictures/rle_decoder.h"

namespace vellumar {
namespace {

constexpr int32_t kPictureSide = 256;
constexpr uint8_t kLongestRun = 255;
constexpr uint8_t kLiteralCount = 16;

pictures::DibHeader Rle8Header(int32_t width, int32_t height) {
  pictures::DibHeader header;
  header.header_size = pictures::kInfoHeaderSize;
  header.width = width;
  header.height = height;
  header.bit_count = 8;
  header.compression = pictures::kBiRle8;
  return header;
}

std::vector<ColorRef> GrayPalette() {
  std::vector<ColorRef> palette(256);
  for (uint32_t i = 0; i < palette.size(); ++i) palette[i] = i * 0x010101;
  return palette;
}

void RunDecode(benchmark::State& state, const pictures::DibHeader& header, const std::vector<uint8_t>& data) {
  const std::vector<ColorRef> palette = GrayPalette();
  for (auto _ : state) benchmark::DoNotOptimize(pictures::DecodeRle(header, palette, data));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(data.size()));
}

void BM_RleLongRunsOverOnePixel(benchmark::State& state) {
  std::vector<uint8_t> data;
  for (int64_t i = 0; i < state.range(0) / 2; ++i) data.insert(data.end(), {kLongestRun, 7});
  data.insert(data.end(), {0, 1});
  RunDecode(state, Rle8Header(1, 1), data);
}
BENCHMARK(BM_RleLongRunsOverOnePixel)->RangeMultiplier(8)->Range(1 << 12, 1 << 24);

// Each row: a run of 8, a literal of 16, and so on across the row, then the end of the line.
void BM_RleRunsAndLiterals(benchmark::State& state) {
  std::vector<uint8_t> data;
  for (int32_t row = 0; row < kPictureSide; ++row) {
    for (int32_t x = 0; x < kPictureSide; x += 8 + kLiteralCount) {
      data.insert(data.end(), {8, static_cast<uint8_t>(row)});
      data.insert(data.end(), {0, kLiteralCount});
      for (uint8_t i = 0; i < kLiteralCount; ++i) data.push_back(static_cast<uint8_t>(x + i));
    }
    data.insert(data.end(), {0, 0});
  }
  data.insert(data.end(), {0, 1});
  RunDecode(state, Rle8Header(kPictureSide, kPictureSide), data);
}
BENCHMARK(BM_RleRunsAndLiterals);

}  // namespace
}  // namespace vellumar
