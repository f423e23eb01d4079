// The repaint both tab-strip painters run, in top-layout coordinates.
//
// [SECTION] Index
//   Constants           the strip's fixed distances and the caption format
//   Reach               which heads can touch the surface at all
//   Heads               layout and outlines, unselected bodies
//   Selection           the selected head, the focus band, the hot band
//   Captions            pictures and captions
//   PaintTabStrip       the steps in order
#include "render/tab_painter_common.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "platform/text.h"
#include "render/tab_painter.h"
#include "render/tab_strip_canvas.h"
#include "render/xp_wells.h"

namespace vellumar {
namespace {

// [SECTION] Constants
constexpr int64_t kFirstHeadLeft = 2;  // x_1
constexpr int64_t kHeadGap = 2;        // x_(i+1) = x_i + w_i + 2: one empty column between heads
constexpr int32_t kLightOffset = 5;
constexpr int32_t kDarkOffset = -15;
constexpr int32_t kGradientShrink = 5;
constexpr int64_t kPictureInset = 4;  // picture left = head left + 4
constexpr uint32_t kCaptionFormat = kDtCenter | kDtVCenter | kDtWordBreak;
// No glyph advances further than this many line heights for each byte of its UTF-8 text; real fonts stay
// far below one.
constexpr double kGlyphBound = 4.0;
// Columns on either side of a head's stored span that its outline, the enlarged selected head or a band can
// reach: the selected head reaches two columns left of its head and its right edge two columns right.
constexpr int64_t kHeadReach = 3;

struct Painting {
  TabStripState& state;
  PaintSurface& surface;
  const StripLayout& layout;
  TabStripCanvas& canvas;
  StripMetrics m;
  int32_t count;  // tabs painted: mNumberOfTabs, limited to the records that exist
};

// [SECTION] Reach
bool SurfaceIsEmpty(const StripMetrics& m) {
  return m.width <= 0 || m.height <= 0;
}

// Whether anything the strip draws for a head spanning columns left .. right can land on the surface.
bool HeadCanShow(const Painting& p, int64_t left, int64_t right) {
  if (SurfaceIsEmpty(p.m)) return false;
  const int64_t first = std::min(left, right) - kHeadReach;
  const int64_t last = std::max(left, right) + kHeadReach;
  return last >= 0 && first < p.m.width;
}

bool BoxCanShow(const Painting& p, int64_t left, int64_t top, int64_t right, int64_t bottom, int64_t margin) {
  return right + margin > 0 && left - margin < p.m.width && bottom + margin > 0 && top - margin < p.m.height;
}

int32_t LengthOf(const std::string& text) {
  return static_cast<int32_t>(std::min<size_t>(text.size(), std::numeric_limits<int32_t>::max()));
}

// [SECTION] Heads
void PaintOutline(Painting& p, int64_t left, int64_t right) {
  const OleColor frame = p.state.mFrameColor;
  const int64_t th = p.m.tab_height;
  p.canvas.Line(left, kHeadTop + 2, left, th, frame);
  p.canvas.Line(left + 2, kHeadTop, right - 1, kHeadTop, frame);
  p.canvas.Line(right, kHeadTop + 2, right, th, frame);
  p.canvas.Pixel(left + 1, kHeadTop + 1, frame);
  p.canvas.Pixel(right - 1, kHeadTop + 1, frame);
}

void LayOutHeads(Painting& p) {
  auto& rects = p.state.mTabRects;
  rects.resize(static_cast<size_t>(p.count) + 1);
  const int32_t record_top = p.layout.RecordTop(p.m);
  int64_t x = kFirstHeadLeft;
  for (int32_t i = 1; i <= p.count; ++i) {
    cTabs& record = p.state.Record(i);
    const int32_t left = SaturateToInt32(x);
    record.TabLeft = left;
    record.TabTop = record_top;
    record.TabHeight = p.m.tab_height;
    const int32_t width = record.TabWidth;
    const int32_t right = SaturateToInt32(int64_t{left} + width);
    rects[static_cast<size_t>(i)] = p.layout.HeadRect(left, right, p.m);
    if (HeadCanShow(p, left, right)) PaintOutline(p, left, right);
    x += int64_t{width} + kHeadGap;
  }
}

// Every head but the selected one gets its body; selected_before is mSelectedTab as the paint found it.
void PaintBodies(Painting& p, int32_t selected_before) {
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  const ColorRef light = ShiftColor(p.state.mBackColor, red, green, blue, kLightOffset);
  const ColorRef dark = ShiftColor(p.state.mBackColor, red, green, blue, kDarkOffset);
  for (int32_t i = 1; i <= p.count; ++i) {
    if (i == selected_before) continue;
    const Rect& head = p.state.mTabRects[static_cast<size_t>(i)];
    if (!HeadCanShow(p, head.left, head.right)) continue;
    p.canvas.Line(int64_t{head.left} + 2, kHeadTop + 1, int64_t{head.right} - 1, kHeadTop + 1,
                  p.state.mBackColor);
    p.layout.PaintBodyGradient(p.canvas.dc(), head.left, head.right, light, dark, p.m);
  }
}

// [SECTION] Selection
void PaintFocusBand(Painting& p, const StripBox& s) {
  p.canvas.Line(s.left + 2, s.top, s.right - 1, s.top, p.state.mRegisterFocusColor0);
  p.canvas.Line(s.left + 2, s.top + 1, s.right - 1, s.top + 1, p.state.mRegisterFocusColor1);
  p.canvas.Line(s.left + 1, s.top + 2, s.right, s.top + 2, p.state.mRegisterFocusColor2);
}

void PaintSelectedHead(Painting& p, int32_t selected) {
  TabStripState& st = p.state;
  const int32_t head_width = st.Record(selected).TabWidth;
  Rect& stored = st.mTabRects[static_cast<size_t>(selected)];
  const int64_t head_left = stored.left;
  const int64_t head_right = stored.right;
  const Rect enlarged = p.layout.EnlargeSelected(stored, p.m);
  const StripBox s = p.canvas.FromDevice(enlarged);
  // Filled even when it lies off the surface: the fill is what turns mBackColor into RGB.
  p.canvas.Fill(s, st.mBackColor);
  if (!HeadCanShow(p, head_left, head_right)) return;
  // Cut the two outer corners out of the fill again.
  p.canvas.Pixel(s.left, 0, st.mBackColorForm);
  p.canvas.Pixel(s.left, 1, st.mBackColorForm);
  p.canvas.Pixel(s.left + 1, 0, st.mBackColorForm);
  p.canvas.Pixel(s.left + head_width + 3, 0, st.mBackColorForm);

  p.canvas.Line(s.left, s.top + 2, s.left, s.bottom - 1, st.mFrameColor);
  p.canvas.Line(s.right, s.top + 2, s.right, s.bottom - 1, st.mFrameColor);
  p.canvas.Line(s.left + 2, s.top, s.right - 1, s.top, st.mFrameColor);
  // The fill of a selected first tab covers the page frame's left column just below the strip.
  p.canvas.Pixel(0, int64_t{p.m.tab_height} + 1, st.mFrameColor);
  p.canvas.Pixel(s.left + 1, s.top + 1, st.mFrameColor);
  p.canvas.Pixel(s.right - 1, s.top + 1, st.mFrameColor);

  if (st.mHasFocus != kFalse) PaintFocusBand(p, s);
}

void PaintHotBand(Painting& p, int32_t hot) {
  TabStripState& st = p.state;
  st.Record(hot);
  const Rect& head = st.mTabRects[static_cast<size_t>(hot)];
  if (!HeadCanShow(p, head.left, head.right)) return;
  const int64_t left = head.left;
  const int64_t right = head.right;
  p.canvas.Line(left + 2, kHeadTop, right - 1, kHeadTop, st.mMouseMoveColor0);
  p.canvas.Line(left + 2, kHeadTop + 1, right - 1, kHeadTop + 1, st.mMouseMoveColor1);
  p.canvas.Line(left + 1, kHeadTop + 2, right, kHeadTop + 2, st.mMouseMoveColor2);
}

// A selection outside the tabs paints no selected head and stays as it is; 0 stands for the first tab.
void PaintSelection(Painting& p) {
  if (p.count < 1) return;
  TabStripState& st = p.state;
  if (st.mSelectedTab == 0) st.mSelectedTab = 1;
  const int32_t selected = st.mSelectedTab;
  if (selected >= 1 && selected <= p.count) PaintSelectedHead(p, selected);
  const int32_t hot = st.mHotTab;
  if (hot != 0 && hot != selected && hot >= 1 && hot <= p.count) PaintHotBand(p, hot);
}

// [SECTION] Captions
OleColor CaptionColor(const TabStripState& st, int32_t i) {
  if (i == st.mSelectedTab) return st.mForeColorActive;
  if (i == st.mHotTab) return st.mForeColorHot;
  return st.mForeColor;
}

// The picture's area is cut at the surface's right and bottom edges: what lies beyond is never seen, and the
// picture painter's buffers then stay within the surface.
void PaintPicture(Painting& p, const StdPicture* picture, int64_t x, int64_t y, int32_t width,
                  int32_t height) {
  if (picture == nullptr || width <= 0 || height <= 0) return;
  if (!BoxCanShow(p, x, y, x + width, y + height, 0)) return;
  const int32_t visible_width = SaturateToInt32(std::min<int64_t>(width, p.m.width - x));
  const int32_t visible_height = SaturateToInt32(std::min<int64_t>(height, p.m.height - y));
  p.state.mImageManipulation->PaintTransparentPicture(p.canvas.dc(), picture, SaturateToInt32(x),
                                                      SaturateToInt32(y), visible_width, visible_height, 0, 0,
                                                      p.state.mMaskColor, 0);
}

// Whether a tab's picture or caption could land on the surface, judged before its caption is measured. The
// caption starts dx right of the head's left edge and no line of it is wider than both the head and the
// caption set on one line, which kGlyphBound bounds from its length. A line's height of margin covers glyphs
// that overhang their advance a little.
bool CaptionCanShow(const Painting& p, const Rect& head, int32_t dx, int32_t picture_width, int32_t length,
                    int32_t line_height) {
  const int64_t first_column = int64_t{head.left} + std::min<int64_t>(dx, kPictureInset) - line_height;
  if (first_column >= p.m.width) return false;
  const double one_line = static_cast<double>(length) * kGlyphBound * line_height;
  const double text_right =
      static_cast<double>(head.left) + dx + std::max(static_cast<double>(head.Width()), one_line);
  const double picture_right = static_cast<double>(head.left) + kPictureInset + picture_width;
  return std::max(text_right, picture_right) + line_height > 0;
}

void PaintCaption(Painting& p, int32_t i, int32_t line_height) {
  TabStripState& st = p.state;
  cTabs& record = st.Record(i);
  const Rect head = st.mTabRects[static_cast<size_t>(i)];
  const StdPicture* picture = record.TabPicture.get();
  float pic_x = 0;
  float pic_y = 0;
  GetPictureSize(p.surface, picture, pic_x, pic_y);
  const int32_t dx = RoundToPixel(pic_x + kCaptionInset);
  const int32_t picture_width = RoundToPixel(pic_x);
  const std::string& caption = record.TabCaption;
  const int32_t length = LengthOf(caption);
  if (!CaptionCanShow(p, head, dx, picture_width, length, line_height)) return;

  Rect text = head;
  MeasureText(p.canvas.dc(), caption, length, text);
  const int32_t dy = RoundToPixel(p.layout.CaptionOffset(text.Height(), p.m));
  OffsetRectangle(text, dx, dy);

  PaintPicture(p, picture, int64_t{head.left} + kPictureInset, p.layout.PictureTop(dy, text), picture_width,
               RoundToPixel(pic_y));
  SetDCTextColor(p.canvas.dc(), SurfaceColor(CaptionColor(st, i)));
  const int64_t margin = std::max<int64_t>(line_height, text.Height());
  if (!text.IsEmpty() && BoxCanShow(p, text.left, text.top, text.right, text.bottom, margin)) {
    DrawTextInRect(p.canvas.dc(), caption, length, text, kCaptionFormat);
  }
}

void PaintCaptions(Painting& p) {
  if (p.count < 1 || SurfaceIsEmpty(p.m)) return;
  const int32_t line_height = LineHeight(p.canvas.dc());
  for (int32_t i = 1; i <= p.count; ++i) PaintCaption(p, i, line_height);
}

}  // namespace

int32_t RoundToPixel(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLow = std::numeric_limits<int32_t>::min();
  constexpr double kHigh = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::nearbyint(std::clamp(value, kLow, kHigh)));
}

int32_t BodyGradientSize(int32_t tab_height) {
  return SaturatingSub(tab_height, kGradientShrink);
}

// [SECTION] PaintTabStrip
void PaintTabStrip(TabStripState& state, PaintSurface& surface, const StripLayout& layout) {
  state.mImageManipulation = std::make_unique<cImageManipulation>();
  surface.Cls();
  const Rect client = GetClientRectOf(surface.Windows(), surface.hWnd());
  const StripMetrics m{SaturateToInt32(client.Width()), SaturateToInt32(client.Height()), state.mTabHeight};
  TabStripCanvas canvas(surface.hDC(), layout.Mirrored(), m.height);
  const int32_t count = std::max(0, std::min(state.mNumberOfTabs, state.Capacity()));
  Painting p{state, surface, layout, canvas, m, count};

  canvas.Fill(StripBox{0, 0, m.width, m.tab_height}, state.mBackColorForm);
  canvas.Frame(StripBox{0, m.tab_height, m.width, m.height}, state.mFrameColor);
  const int32_t selected_before = state.mSelectedTab;
  if (count >= 1) LayOutHeads(p);
  PaintBodies(p, selected_before);
  PaintSelection(p);
  state.mPageRect = layout.PageRect(client, m);
  PaintCaptions(p);

  state.mImageManipulation.reset();
  surface.Refresh();
}

}  // namespace vellumar
