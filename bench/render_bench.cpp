// The tab body gradient and transparent pictures, each beside the floor of clearing the same surface.
#include <benchmark/benchmark.h>

#include "render/image_manipulation.h"
#include "render/xp_wells.h"

namespace vellumar {
namespace {

constexpr int32_t kSurfaceWidth = 300;
constexpr int32_t kSurfaceHeight = 200;
constexpr ColorRef kMagenta = Rgb(255, 0, 255);

void BM_ClearSurface(benchmark::State& state) {
  Bitmap surface(kSurfaceWidth, kSurfaceHeight);
  DeviceContext dc(&surface);
  for (auto _ : state) {
    dc.FillRect(Rect{0, 0, kSurfaceWidth, kSurfaceHeight}, Rgb(236, 233, 216));
    benchmark::DoNotOptimize(surface.pixels().data());
  }
}
BENCHMARK(BM_ClearSurface);

// One tab body at the default tab height 22: Size 17 on a 60 x 22 head.
void BM_GradientTabBody(benchmark::State& state) {
  Bitmap surface(kSurfaceWidth, kSurfaceHeight);
  DeviceContext dc(&surface);
  for (auto _ : state) {
    Rect body{2, 2, 62, 24};
    DrawGradient(dc, Rgb(229, 228, 232), Rgb(209, 208, 212), body, 17, 0);
    benchmark::DoNotOptimize(surface.pixels().data());
  }
}
BENCHMARK(BM_GradientTabBody);

Bitmap PictureBitmap(int32_t size) {
  Bitmap bitmap(size, size);
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x)
      bitmap.SetPixel(x, y, (x + y) % 3 == 0 ? kMagenta : Rgb(x * 7, y * 7, 90));
  }
  return bitmap;
}

void BM_TransparentBitmapPicture(benchmark::State& state) {
  const auto size = static_cast<int32_t>(state.range(0));
  const auto picture = StdPicture::FromBitmap(PictureBitmap(size));
  Bitmap surface(kSurfaceWidth, kSurfaceHeight);
  DeviceContext dc(&surface);
  cImageManipulation painter;
  for (auto _ : state) {
    painter.PaintTransparentPicture(dc, picture.get(), 10, 5, size, size, 0, 0, kMagenta);
    benchmark::DoNotOptimize(surface.pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * size * size);
}
BENCHMARK(BM_TransparentBitmapPicture)->Arg(16)->Arg(32);

}  // namespace
}  // namespace vellumar
