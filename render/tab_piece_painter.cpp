// Each piece builds a pass over a strip of one tab, so that the repaint's steps draw it unchanged.
#include "render/tab_piece_painter.h"

#include <vector>

#include "platform/drawing/drawing_surface.h"
#include "render/strip_steps.h"
#include "render/tab_painter_common.h"
#include "render/tab_strip_canvas.h"
#include "render/tab_strip_state.h"

namespace vellumar {
namespace {

// The one tab of a piece's strip.
constexpr int32_t kTab = 1;

// A piece is painted once, so its caption is measured and laid out afresh.
class FreshMeasure final : public CaptionMeasure {
 public:
  Rect MeasuredCaption(StripPass& p, int32_t index, const Rect& head) override {
    return MeasureCaption(p.canvas.dc(), p.state.Record(index).TabCaption, head);
  }
  const LaidOutText& CaptionText(StripPass& p, int32_t index, int64_t width, uint32_t format) override {
    text_ = LayOutCaption(p.canvas.dc(), p.state.Record(index).TabCaption, width, format);
    return text_;
  }

 private:
  LaidOutText text_;
};

// Selects the head's font for the piece and gives the caller's font and text colour back afterwards.
class FontAndColor {
 public:
  FontAndColor(DeviceContext& dc, const StdFontRef& font)
      : dc_(dc), font_(dc.SelectFont(font)), color_(dc.GetTextColor()) {}
  FontAndColor(const FontAndColor&) = delete;
  FontAndColor& operator=(const FontAndColor&) = delete;
  ~FontAndColor() {
    dc_.SetTextColor(color_);
    dc_.SelectFont(font_);
  }

 private:
  DeviceContext& dc_;
  StdFontRef font_;
  ColorRef color_;
};

bool IsSelected(TabHeadRole role) {
  return role == TabHeadRole::kSelected || role == TabHeadRole::kSelectedFocused;
}

}  // namespace

void TakeTabStripColors(TabStripState& st, const TabStripColors& c) {
  st.mBackColor = c.back;
  st.mBackColorForm = c.back_form;
  st.mForeColor = c.fore;
  st.mForeColorActive = c.fore_active;
  st.mForeColorHot = c.fore_hot;
  st.mFrameColor = c.frame;
  st.mMaskColor = c.mask;
  st.mMouseMoveColor0 = c.hot_band[0];
  st.mMouseMoveColor1 = c.hot_band[1];
  st.mMouseMoveColor2 = c.hot_band[2];
  st.mRegisterFocusColor0 = c.focus_band[0];
  st.mRegisterFocusColor1 = c.focus_band[1];
  st.mRegisterFocusColor2 = c.focus_band[2];
}

namespace {

// The strip of one tab in the head's role, with the rectangle the repaint's layout stores for it.
void TakeHead(TabStripState& st, const TabHead& head, const StripLayout& layout, const StripMetrics& m) {
  const bool selected = IsSelected(head.role);
  st.mNumberOfTabs = kTab;
  st.mSelectedTab = selected ? kTab : 0;
  st.mHotTab = head.role == TabHeadRole::kHot ? kTab : 0;
  st.mHasFocus = head.role == TabHeadRole::kSelectedFocused ? kTrue : kFalse;
  st.mTabHeight = m.tab_height;
  st.mTabs.resize(kTab + 1);
  cTabs& record = st.Record(kTab);
  record.TabLeft = head.left;
  record.TabWidth = head.width;
  record.TabCaption = head.caption;
  record.TabPicture = head.picture;
  Rect rect = layout.HeadRect(head.left, SaturatingAdd(head.left, head.width), m);
  if (selected) layout.EnlargeSelected(rect, m);
  st.mTabRects = {Rect{}, rect};
}

}  // namespace

Rect TabStripBackgroundRect(const TabStripGeometry& geometry) {
  DeviceContext none;
  const StripMetrics m{geometry.width, geometry.height, geometry.tab_height};
  return TabStripCanvas(none, geometry.bottom, geometry.height).ToDevice(StripBackgroundBox(m));
}

Rect TabPageFrameRect(const TabStripGeometry& geometry) {
  DeviceContext none;
  const StripMetrics m{geometry.width, geometry.height, geometry.tab_height};
  return TabStripCanvas(none, geometry.bottom, geometry.height).ToDevice(PageFrameBox(m));
}

void PaintTabStripBackground(DeviceContext& dc, const Rect& strip, OleColor back_form) {
  TabStripCanvas canvas(dc, false, 0);
  FillStripBackground(canvas, canvas.FromDevice(strip), back_form);
}

void PaintTabPageFrame(DeviceContext& dc, const Rect& page, OleColor frame) {
  TabStripCanvas canvas(dc, false, 0);
  FramePage(canvas, canvas.FromDevice(page), frame);
}

Rect PaintTabHead(DeviceContext& dc, const TabStripGeometry& geometry, const TabStripColors& colors,
                  const StdFontRef& font, const TabHead& head) {
  const StripLayout& layout = geometry.bottom ? BottomStripLayout() : TopStripLayout();
  const StripMetrics m{geometry.width, geometry.height, geometry.tab_height};
  TabStripState st;
  TakeTabStripColors(st, colors);
  TakeHead(st, head, layout, m);
  st.mImageManipulation.emplace();
  const FontAndColor restore(dc, font);
  TabStripCanvas canvas(dc, layout.Mirrored(), m.height);
  FreshMeasure measure;
  const bool selected = IsSelected(head.role);
  StripPass p{st, nullptr, layout, canvas, measure, m, kTab, selected ? kTab : 0};
  PaintOutline(p, kTab);
  if (!selected) PaintBody(p, kTab, BodyBands(p));
  PaintSelection(p);
  // Pictures are sized at the resolution the control measures in, as every host's surface scales them.
  const StdPicture* picture = head.picture.get();
  const float pic_x = picture ? DrawingSurface::HimetricToPixels(static_cast<float>(picture->Width())) : 0.0F;
  const float pic_y =
      picture ? DrawingSurface::HimetricToPixels(static_cast<float>(picture->Height())) : 0.0F;
  const CaptionPlace place = PlaceCaption(p, kTab, pic_x, pic_y);
  PaintCaption(p, kTab, place);
  return place.shows ? place.picture_area : Rect{};
}

}  // namespace vellumar
