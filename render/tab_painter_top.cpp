// The layout of the strip along the top edge, heads opening downwards into the page.
#include "render/tab_painter_common.h"
#include "render/xp_wells.h"

namespace vellumar {
namespace {

class TopLayout final : public StripLayout {
 public:
  bool Mirrored() const override { return false; }

  Rect HeadRect(int32_t left, int32_t right, const StripMetrics& m) const override {
    return Rect{left, kHeadTop, right, m.tab_height};
  }

  int32_t RecordTop(const StripMetrics&) const override { return kHeadTop; }

  Rect EnlargeSelected(Rect& stored, const StripMetrics&) const override {
    return InflateRectangle(stored, kSelectedGrowth, kSelectedGrowth);
  }

  // Dark lies next to the page and the bands climb towards Light at the outer edge.
  std::vector<ColorRef> BodyBands(ColorRef light, ColorRef dark, const StripMetrics& m) const override {
    return GradientBands(light, dark, BodyGradientSize(m.tab_height));
  }

  void PaintBodyGradient(DeviceContext& dc, int32_t left, int32_t right, const std::vector<ColorRef>& bands,
                         const StripMetrics& m) const override {
    Rect body{SaturatingAdd(left, 1), kHeadTop, right, m.tab_height};
    DrawGradientBands(dc, bands, body, BodyGradientSize(m.tab_height), 0);
  }

  Rect PageRect(const Rect& client, const StripMetrics& m) const override {
    Rect page = client;
    page.top = SaturatingAdd(page.top, m.tab_height);
    return page;
  }

  double CaptionOffset(int64_t text_height, const StripMetrics& m) const override {
    return (static_cast<double>(m.tab_height) - static_cast<double>(text_height)) / 2.0;
  }

  // The picture's top is the offset itself, so on an unselected head it stands two rows above the caption.
  int32_t PictureTop(int32_t dy, const Rect&) const override { return dy; }
};

}  // namespace

const StripLayout& TopStripLayout() {
  static const TopLayout kLayout;
  return kLayout;
}

}  // namespace vellumar
