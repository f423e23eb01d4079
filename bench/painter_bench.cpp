// Cold full repaints through the free DrawTab, which paints with a fresh painter and so measures every
// caption again, each beside the floor no repaint can beat: one memset of the same surface. The counter
// floor_ratio is the repaint's time over that floor's; tab-count sweeps show how a paint scales.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "render/tab_painter.h"
#include "tests/core/paint_surface_fake.h"

namespace vellumar {
namespace {

using testing::FakePaintSurface;

constexpr int32_t kTabWidth = 60;
constexpr int32_t kTabHeight = 22;

using bench::ThreadSeconds;

// Seconds for one memset of a buffer of the surface's size, averaged over enough repetitions to be stable.
double FloorSeconds(const FakePaintSurface& surface) {
  std::vector<uint32_t> pixels(surface.bitmap().pixels().size());
  const size_t bytes = pixels.size() * sizeof(pixels[0]);
  constexpr double kMeasureFor = 0.05;
  int64_t runs = 0;
  const double start = ThreadSeconds();
  double now = start;
  do {
    std::memset(pixels.data(), 0x5A, bytes);
    benchmark::ClobberMemory();
    ++runs;
    now = ThreadSeconds();
  } while (now - start < kMeasureFor);
  return (now - start) / static_cast<double>(runs);
}

// The control's defaults: XP colours, tab 1 selected, a hot tab, the focus band.
TabStripState StateWithTabs(int32_t tabs) {
  TabStripState st;
  st.mTabHeight = kTabHeight;
  st.mSelectedTab = 1;
  st.mHotTab = tabs >= 2 ? 2 : 0;
  st.mHasFocus = kTrue;
  st.mBackColor = Rgb(252, 252, 254);
  st.mBackColorForm = 0x8000000F;
  st.mFrameColor = Rgb(145, 155, 156);
  st.mForeColor = 0x80000012;
  st.mForeColorActive = 0x80000012;
  st.mForeColorHot = 0x80000012;
  st.mMaskColor = Rgb(255, 0, 255);
  st.mMouseMoveColor0 = Rgb(230, 139, 44);
  st.mMouseMoveColor1 = Rgb(255, 199, 60);
  st.mMouseMoveColor2 = Rgb(255, 213, 128);
  st.mRegisterFocusColor0 = Rgb(49, 106, 197);
  st.mRegisterFocusColor1 = Rgb(89, 136, 214);
  st.mRegisterFocusColor2 = Rgb(130, 168, 230);
  st.mNumberOfTabs = tabs;
  st.mTabs.resize(static_cast<size_t>(tabs) + 1);
  for (int32_t i = 1; i <= tabs; ++i) {
    cTabs& record = st.Record(i);
    record.TabWidth = kTabWidth;
    record.TabCaption = "Reg&ister " + std::to_string(i);
  }
  return st;
}

// Full repaints of a surface of width x height logical pixels at a device scale; the floor is the memset
// of the device buffer.
void RunDrawTab(benchmark::State& state, int32_t width, int32_t height, int32_t scale) {
  FakePaintSurface surface(width, height);
  surface.surface().SetScale(scale);
  surface.SetClsColor(Rgb(252, 252, 254));
  TabStripState st = StateWithTabs(static_cast<int32_t>(state.range(2)));
  const double floor = FloorSeconds(surface);

  const double start = ThreadSeconds();
  for (auto _ : state) {
    DrawTab(st, surface);
    benchmark::DoNotOptimize(surface.bitmap().pixels().data());
  }
  const double paint = ThreadSeconds() - start;
  state.counters["floor_us"] = floor * 1e6;
  state.counters["floor_ratio"] = paint / static_cast<double>(state.iterations()) / floor;
}

// Arguments: surface width, height, number of captioned tabs.
void BM_DrawTab(benchmark::State& state) {
  RunDrawTab(state, static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)), 1);
}
BENCHMARK(BM_DrawTab)
    ->ArgNames({"w", "h", "tabs"})
    ->Args({300, 200, 2})
    ->Args({800, 600, 20})
    ->Args({1920, 1080, 20})
    ->Args({1920, 1080, 200})
    ->Unit(benchmark::kMicrosecond);

// For a high-density screen: arguments as BM_DrawTab's, then the device pixels per logical pixel.
void BM_DrawTabAtScale(benchmark::State& state) {
  RunDrawTab(state, static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)),
             static_cast<int32_t>(state.range(3)));
}
BENCHMARK(BM_DrawTabAtScale)
    ->ArgNames({"w", "h", "tabs", "scale"})
    ->Args({1920, 1080, 20, 2})
    ->Unit(benchmark::kMicrosecond);

// Paint cost against the tab count on a full-HD surface: the heads beyond the right edge are laid out but
// not drawn, so the cost beyond the visible ones should grow by their layout alone.
BENCHMARK(BM_DrawTab)
    ->Name("BM_DrawTabScaling")
    ->ArgNames({"w", "h", "tabs"})
    ->Args({1920, 1080, 10})
    ->Args({1920, 1080, 100})
    ->Args({1920, 1080, 1000})
    ->Args({1920, 1080, 10000})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vellumar
