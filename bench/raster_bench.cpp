// Raster speed beside its floor: a full-surface fill against one memset of the same buffer, a full-surface
// copy against one memcpy, each iteration timing both back to back; the benchmark's own time is the raster
// call alone.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/bench_support.h"
#include "platform/drawing/device_context.h"

namespace vellumar {
namespace {

constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;

using bench::PairedRun;

size_t SurfaceBytes() {
  return static_cast<size_t>(kWidth) * kHeight * sizeof(uint32_t);
}

void BM_FillRectFullSurface(benchmark::State& state) {
  Bitmap surface(kWidth, kHeight);
  DeviceContext dc(&surface);
  uint32_t* pixels = surface.pixels().data();
  PairedRun(
      state, [&] { std::memset(pixels, 0x5A, SurfaceBytes()); },
      [&] {
        dc.FillRect(Rect{0, 0, kWidth, kHeight}, Rgb(236, 233, 216));
      });
}
BENCHMARK(BM_FillRectFullSurface)->UseManualTime()->Unit(benchmark::kMicrosecond);

// One pixel in from every edge, so every row is its own span.
void BM_FillRectInset(benchmark::State& state) {
  Bitmap surface(kWidth, kHeight);
  DeviceContext dc(&surface);
  uint32_t* pixels = surface.pixels().data();
  PairedRun(
      state, [&] { std::memset(pixels, 0x5A, SurfaceBytes()); },
      [&] {
        dc.FillRect(Rect{1, 1, kWidth - 1, kHeight - 1}, Rgb(236, 233, 216));
      });
}
BENCHMARK(BM_FillRectInset)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_BitBltSrcCopyFullSurface(benchmark::State& state) {
  Bitmap source(kWidth, kHeight);
  Bitmap target(kWidth, kHeight);
  DeviceContext src(&source);
  DeviceContext dest(&target);
  src.FillRect(Rect{0, 0, kWidth, kHeight}, Rgb(1, 2, 3));
  const uint32_t* from = source.pixels().data();
  uint32_t* to = target.pixels().data();
  PairedRun(
      state, [&] { std::memcpy(to, from, SurfaceBytes()); },
      [&] { BitBlt(dest, 0, 0, kWidth, kHeight, src, 0, 0, kSrcCopy); });
}
BENCHMARK(BM_BitBltSrcCopyFullSurface)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The masking step of transparent painting: a monochrome mask ANDed onto a colour surface.
void BM_BitBltMonoMaskAnd(benchmark::State& state) {
  Bitmap mask(kWidth, kHeight, PixelFormat::kMono1);
  Bitmap target(kWidth, kHeight);
  DeviceContext src(&mask);
  DeviceContext dest(&target);
  src.FillRect(Rect{0, 0, kWidth / 2, kHeight}, Rgb(255, 255, 255));
  const uint32_t* from = mask.pixels().data();
  uint32_t* to = target.pixels().data();
  PairedRun(
      state, [&] { std::memcpy(to, from, SurfaceBytes()); },
      [&] { BitBlt(dest, 0, 0, kWidth, kHeight, src, 0, 0, kSrcAnd); });
}
BENCHMARK(BM_BitBltMonoMaskAnd)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vellumar
