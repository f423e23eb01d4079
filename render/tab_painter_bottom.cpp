// The layout of the strip along the bottom edge, heads opening upwards into the page.
#include "render/tab_painter_common.h"
#include "render/xp_wells.h"

namespace vellumar {
namespace {

// The unselected body's row of BackColor and its gradient rest on the row this far above the client bottom.
constexpr int64_t kBodyBaseFromBottom = 4;
// The caption is centred in the head less this many rows.
constexpr double kCaptionShrink = 4.0;

class BottomLayout final : public StripLayout {
 public:
  bool Mirrored() const override { return true; }

  // A rectangle of height 0 on the strip's top edge; the hit tests look at the TH rows below it.
  Rect HeadRect(int32_t left, int32_t right, const StripMetrics& m) const override {
    const int32_t strip_top = SaturatingSub(m.height, m.tab_height);
    return Rect{left, strip_top, right, strip_top};
  }

  int32_t RecordTop(const StripMetrics& m) const override {
    return SaturateToInt32(int64_t{m.height} - 2 * int64_t{m.tab_height});
  }

  Rect EnlargeSelected(Rect& stored, const StripMetrics& m) const override {
    stored = InflateExtendedRect(stored, kSelectedGrowth, kSelectedGrowth, m.tab_height);
    return stored;
  }

  // DrawGradient starts at its rectangle's bottom edge, so the colours are swapped: Light lies at the outer
  // edge and the bands climb towards Dark next to the page.
  std::vector<ColorRef> BodyBands(ColorRef light, ColorRef dark, const StripMetrics& m) const override {
    return GradientBands(dark, light, BodyGradientSize(m.tab_height));
  }

  void PaintBodyGradient(DeviceContext& dc, int32_t left, int32_t right, const std::vector<ColorRef>& bands,
                         const StripMetrics& m) const override {
    const int32_t base = SaturateToInt32(int64_t{m.height} - kBodyBaseFromBottom);
    Rect body{SaturatingAdd(left, 1), base, right, base};
    DrawGradientBands(dc, bands, body, BodyGradientSize(m.tab_height), 0);
  }

  Rect PageRect(const Rect& client, const StripMetrics& m) const override {
    Rect page = client;
    page.bottom = SaturatingSub(page.bottom, m.tab_height);
    return page;
  }

  double CaptionOffset(int64_t text_height, const StripMetrics& m) const override {
    return (static_cast<double>(m.tab_height) - static_cast<double>(text_height) - kCaptionShrink) / 2.0;
  }

  // Level with the caption's top on every head.
  int32_t PictureTop(int32_t, const Rect& caption) const override { return caption.top; }
};

}  // namespace

const StripLayout& BottomStripLayout() {
  static const BottomLayout kLayout;
  return kLayout;
}

}  // namespace vellumar
