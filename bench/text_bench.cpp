// Caption drawing from the glyph cache, beside a measurement of the same caption.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/drawing/device_context.h"
#include "platform/drawing/text.h"
#include "platform/raster/bitmap.h"
#include "platform/text/std_font.h"

namespace vellumar {
namespace {

constexpr uint32_t kCaptionFormat = kDtCenter | kDtVCenter | kDtWordBreak;
constexpr uint32_t kMeasureFormat = kDtCalcRect | kDtWordBreak;

struct Surface {
  Surface() : bitmap(300, 200), dc(&bitmap) {
    dc.SelectFont(std::make_shared<StdFont>());
    dc.SetTextColor(0x000000);
  }
  Bitmap bitmap;
  DeviceContext dc;
};

void BM_DrawCaptionFromCache(benchmark::State& state) {
  Surface surface;
  Rect warm{0, 0, 300, 200};
  DrawTextA(surface.dc, "Register", -1, warm, kCaptionFormat);
  for (auto _ : state) {
    Rect rect{10, 90, 290, 110};
    benchmark::DoNotOptimize(DrawTextA(surface.dc, "Register", -1, rect, kCaptionFormat));
  }
}
BENCHMARK(BM_DrawCaptionFromCache);

void BM_DrawCaptionWithAccessKey(benchmark::State& state) {
  Surface surface;
  Rect warm{0, 0, 300, 200};
  DrawTextA(surface.dc, "&Register", -1, warm, kCaptionFormat);
  for (auto _ : state) {
    Rect rect{10, 90, 290, 110};
    benchmark::DoNotOptimize(DrawTextA(surface.dc, "&Register", -1, rect, kCaptionFormat));
  }
}
BENCHMARK(BM_DrawCaptionWithAccessKey);

void BM_MeasureCaption(benchmark::State& state) {
  Surface surface;
  for (auto _ : state) {
    Rect rect{0, 0, 56, 0};
    DrawTextA(surface.dc, "Register", -1, rect, kMeasureFormat);
    benchmark::DoNotOptimize(rect);
  }
}
BENCHMARK(BM_MeasureCaption);

// A wrapped two-line caption, for the cost of word breaking beside the one-line case.
void BM_DrawWrappedCaption(benchmark::State& state) {
  Surface surface;
  for (auto _ : state) {
    Rect rect{100, 90, 140, 130};
    benchmark::DoNotOptimize(DrawTextA(surface.dc, "Allgemeine Einstellungen", -1, rect, kCaptionFormat));
  }
}
BENCHMARK(BM_DrawWrappedCaption);

}  // namespace
}  // namespace vellumar
