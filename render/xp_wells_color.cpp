// Colour translation and shifting, solid fills and frames, and the banded gradient of the tab bodies.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "render/xp_wells.h"

namespace vellumar {
namespace {

constexpr int32_t kChannelMax = 255;
// The gradient's bands thicken once Size reaches this many pixels, which caps the band count near 510.
constexpr int32_t kGradientSteps = 255;

int32_t ClampChannel(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, 0, kChannelMax));
}

// An untranslatable colour leaves the result at its initial 0, so it reads as black.
ColorRef TranslateOrBlack(OleColor color) {
  ColorRef rgb = 0;
  OleTranslateColor(color, rgb);
  return rgb;
}

struct Channels {
  int32_t red;
  int32_t green;
  int32_t blue;
};

Channels Split(ColorRef rgb) {
  return {RedOf(rgb), GreenOf(rgb), BlueOf(rgb)};
}

// From + (Size - i) * Delta / Size in double precision, halves to even (the default rounding mode).
int32_t GradientChannel(int32_t from, int32_t delta, int32_t size, int32_t i) {
  const double progress = static_cast<double>(int64_t{size} - i) * delta;
  return ClampChannel(static_cast<int64_t>(std::nearbyint(progress / size + from)));
}

// The thickness of each band: one pixel up to a Size of 255, more beyond.
int32_t BandThickness(int32_t size) {
  return std::max(1, size / kGradientSteps);
}

ColorRef GradientColor(const Channels& from, const Channels& delta, int32_t size, int32_t i) {
  return Rgb(GradientChannel(from.red, delta.red, size, i), GradientChannel(from.green, delta.green, size, i),
             GradientChannel(from.blue, delta.blue, size, i));
}

}  // namespace

ColorRef ShiftColor(OleColor color, int32_t& red, int32_t& green, int32_t& blue, int32_t offset,
                    int32_t /*palette*/) {
  const ColorRef rgb = TranslateOrBlack(color);
  red = ClampChannel(int64_t{RedOf(rgb)} + offset);
  green = ClampChannel(int64_t{GreenOf(rgb)} + offset);
  blue = ClampChannel(int64_t{BlueOf(rgb)} + offset);
  return Rgb(red, green, blue);
}

void DrawGradient(DeviceContext& dc, OleColor color_to, OleColor color_from, Rect& rect, int32_t size,
                  int32_t horizontal) {
  DrawGradientBands(dc, GradientBands(color_to, color_from, size), rect, size, horizontal);
}

std::vector<ColorRef> GradientBands(OleColor color_to, OleColor color_from, int32_t size) {
  std::vector<ColorRef> bands;
  if (size < 0) return bands;
  const Channels from = Split(TranslateOrBlack(color_from));
  const Channels to = Split(TranslateOrBlack(color_to));
  const Channels delta{to.red - from.red, to.green - from.green, to.blue - from.blue};
  const int32_t band = BandThickness(size);
  ColorRef color = Rgb(from.red, from.green, from.blue);
  for (int32_t i = size; i >= 0; i -= band) {
    bands.push_back(color);
    // A zero Size has no colour step to take after its single band.
    if (size == 0) break;
    color = GradientColor(from, delta, size, i);
  }
  return bands;
}

void DrawGradientBands(DeviceContext& dc, const std::vector<ColorRef>& bands, Rect& rect, int32_t size,
                       int32_t horizontal) {
  if (size < 0) return;
  dc.FillBands(rect, BandThickness(size), horizontal != 0, bands);
}

void FillOrFrameRect(DeviceContext& dc, const Rect& rect, OleColor& color, VbBool fill) {
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  color = ShiftColor(color, red, green, blue, 0, 0);
  if (fill == kTrue) {
    dc.FillRect(rect, color);
  } else {
    dc.FrameRect(rect, color);
  }
}

}  // namespace vellumar
