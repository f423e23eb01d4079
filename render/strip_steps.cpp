// The steps of a tab-strip paint, in top-layout coordinates.
//
// [SECTION] Index
//   Constants           the strip's fixed distances and the caption format
//   Reach               which heads can touch the surface at all, and where
//   Heads               outlines and unselected bodies
//   Selection           the selected head, the focus band, the hot band
//   Captions            placing and painting pictures and captions
#include "render/strip_steps.h"

#include <algorithm>
#include <limits>

#include "platform/drawing/text.h"
#include "render/xp_wells.h"

namespace vellumar {
namespace {

// [SECTION] Constants
constexpr int32_t kLightOffset = 5;
constexpr int32_t kDarkOffset = -15;
constexpr int64_t kPictureInset = 4;  // picture left = head left + 4
constexpr uint32_t kCaptionFormat = kDtCenter | kDtVCenter | kDtWordBreak;
// No glyph advances further than this many line heights for each byte of its UTF-8 text; real fonts stay
// far below one.
constexpr double kGlyphBound = 4.0;
// The gradient's bands thicken once Size reaches this many pixels (see DrawGradient).
constexpr int64_t kGradientSteps = 255;

// [SECTION] Reach
bool SurfaceIsEmpty(const StripMetrics& m) {
  return m.width <= 0 || m.height <= 0;
}

bool BoxCanShow(const StripMetrics& m, int64_t left, int64_t top, int64_t right, int64_t bottom,
                int64_t margin) {
  return right + margin > 0 && left - margin < m.width && bottom + margin > 0 && top - margin < m.height;
}

// The rows, counted from the strip's outer edge, that the body gradient covers: Size / T + 1 bands of T.
int64_t GradientRows(int32_t tab_height) {
  const int64_t size = BodyGradientSize(tab_height);
  if (size < 0) return 0;
  const int64_t band = std::max<int64_t>(1, size / kGradientSteps);
  return (size / band + 1) * band;
}

// The rows, in top-layout coordinates, that a head's steps paint. The outline, the body and the hot band lie
// between row 2 and the strip's inner edge (the outline's sides run from row 4 towards it, whichever way),
// except that the body gradient of a tall strip reaches beyond: on top it grows from the inner edge, at the
// bottom from row 4. The selected head covers rows 0 to TH + 1.
StripBox HeadRows(const StripMetrics& m, bool selected) {
  const int64_t th = m.tab_height;
  const int64_t gradient = GradientRows(m.tab_height);
  const int64_t top = std::min(selected ? int64_t{0} : int64_t{kHeadTop}, th - gradient);
  const int64_t bottom = std::max({int64_t{kHeadTop} + 3, selected ? th + 2 : th, kHeadTop + 2 + gradient});
  return StripBox{0, top, 0, bottom};
}

// The head's own columns, before the selected head is enlarged.
struct HeadSpan {
  int32_t left = 0;
  int32_t right = 0;
};

HeadSpan SpanOf(TabStripState& st, int32_t index) {
  const cTabs& record = st.Record(index);
  return HeadSpan{record.TabLeft, SaturatingAdd(record.TabLeft, record.TabWidth)};
}

// [SECTION] Heads
void PaintOutline(StripPass& p, int64_t left, int64_t right) {
  const OleColor frame = p.state.mFrameColor;
  const int64_t th = p.m.tab_height;
  // Both sides and both corner pixels share their colour, so each pair is painted in one pass.
  p.canvas.Columns(left, right, kHeadTop + 2, th, frame);
  p.canvas.Line(left + 2, kHeadTop, right - 1, kHeadTop, frame);
  p.canvas.Columns(left + 1, right - 1, kHeadTop + 1, kHeadTop + 2, frame);
}

// [SECTION] Selection
void PaintFocusBand(StripPass& p, const StripBox& s) {
  p.canvas.Line(s.left + 2, s.top, s.right - 1, s.top, p.state.mRegisterFocusColor0);
  p.canvas.Line(s.left + 2, s.top + 1, s.right - 1, s.top + 1, p.state.mRegisterFocusColor1);
  p.canvas.Line(s.left + 1, s.top + 2, s.right, s.top + 2, p.state.mRegisterFocusColor2);
}

// The stored rectangle of the selected tab is already its enlarged head.
void PaintSelectedHead(StripPass& p, int32_t selected) {
  TabStripState& st = p.state;
  const int32_t head_width = st.Record(selected).TabWidth;
  const HeadSpan head = SpanOf(st, selected);
  const StripBox s = p.canvas.FromDevice(st.mTabRects[static_cast<size_t>(selected)]);
  // Filled even when it lies off the surface: the fill is what turns mBackColor into RGB.
  p.canvas.Fill(s, st.mBackColor);
  if (!HeadCanShow(p.m, head.left, head.right)) return;
  // Cut the two outer corners out of the fill again.
  p.canvas.Pixel(s.left, 0, st.mBackColorForm);
  p.canvas.Pixel(s.left, 1, st.mBackColorForm);
  p.canvas.Pixel(s.left + 1, 0, st.mBackColorForm);
  p.canvas.Pixel(s.left + head_width + 3, 0, st.mBackColorForm);

  // Everything of the frame colour, so pairs of columns go in one pass.
  p.canvas.Columns(s.left, s.right, s.top + 2, s.bottom - 1, st.mFrameColor);
  p.canvas.Line(s.left + 2, s.top, s.right - 1, s.top, st.mFrameColor);
  // The fill of a selected first tab covers the page frame's left column just below the strip.
  p.canvas.Pixel(0, int64_t{p.m.tab_height} + 1, st.mFrameColor);
  p.canvas.Columns(s.left + 1, s.right - 1, s.top + 1, s.top + 2, st.mFrameColor);

  if (st.mHasFocus != kFalse) PaintFocusBand(p, s);
}

void PaintHotBand(StripPass& p, int32_t hot) {
  TabStripState& st = p.state;
  st.EnsureRecord(hot);
  const Rect& head = st.mTabRects[static_cast<size_t>(hot)];
  if (!HeadCanShow(p.m, head.left, head.right)) return;
  const int64_t left = head.left;
  const int64_t right = head.right;
  p.canvas.Line(left + 2, kHeadTop, right - 1, kHeadTop, st.mMouseMoveColor0);
  p.canvas.Line(left + 2, kHeadTop + 1, right - 1, kHeadTop + 1, st.mMouseMoveColor1);
  p.canvas.Line(left + 1, kHeadTop + 2, right, kHeadTop + 2, st.mMouseMoveColor2);
}

// [SECTION] Captions
// Whether a tab's picture or caption could land on the surface, judged before its caption is measured. The
// caption starts dx right of the head's left edge and no line of it is wider than both the head and the
// caption set on one line, which kGlyphBound bounds from its length. A line's height of margin covers glyphs
// that overhang their advance a little.
bool CaptionCanShow(const StripMetrics& m, const Rect& head, int32_t dx, int32_t picture_width,
                    int32_t length, int32_t line_height) {
  const int64_t first_column = int64_t{head.left} + std::min<int64_t>(dx, kPictureInset) - line_height;
  if (first_column >= m.width) return false;
  const double one_line = static_cast<double>(length) * kGlyphBound * line_height;
  const double text_right =
      static_cast<double>(head.left) + dx + std::max(static_cast<double>(head.Width()), one_line);
  const double picture_right = static_cast<double>(head.left) + kPictureInset + picture_width;
  return std::max(text_right, picture_right) + line_height > 0;
}

// The picture's area is cut at the surface's right and bottom edges: what lies beyond is never seen, and the
// picture painter's buffers then stay within the surface.
Rect PictureArea(const StripMetrics& m, const StdPicture* picture, int64_t x, int64_t y, int32_t width,
                 int32_t height) {
  if (picture == nullptr || width <= 0 || height <= 0) return Rect{};
  if (!BoxCanShow(m, x, y, x + width, y + height, 0)) return Rect{};
  const int32_t visible_width = SaturateToInt32(std::min<int64_t>(width, m.width - x));
  const int32_t visible_height = SaturateToInt32(std::min<int64_t>(height, m.height - y));
  const int32_t left = SaturateToInt32(x);
  const int32_t top = SaturateToInt32(y);
  return Rect{left, top, SaturatingAdd(left, visible_width), SaturatingAdd(top, visible_height)};
}

}  // namespace

int32_t StripPass::LineHeight() {
  if (line_height < 0) line_height = ::vellumar::LineHeight(canvas.dc());
  return line_height;
}

bool HeadCanShow(const StripMetrics& m, int64_t left, int64_t right) {
  if (SurfaceIsEmpty(m)) return false;
  const int64_t first = std::min(left, right) - kHeadReach;
  const int64_t last = std::max(left, right) + kHeadReach;
  return last >= 0 && first < m.width;
}

Rect HeadFootprint(const StripPass& p, int32_t index) {
  const HeadSpan head = SpanOf(p.state, index);
  if (!HeadCanShow(p.m, head.left, head.right)) return Rect{};
  const bool selected = index == p.state.mSelectedTab && index >= 1 && index <= p.count;
  StripBox box = HeadRows(p.m, selected);
  box.left = std::min(head.left, head.right) - kHeadReach;
  box.right = int64_t{std::max(head.left, head.right)} + kHeadReach + 1;
  return p.canvas.ToDevice(box);
}

CaptionPlace PlaceCaption(StripPass& p, int32_t index, float pic_x, float pic_y) {
  CaptionPlace place;
  if (p.count < 1 || SurfaceIsEmpty(p.m)) return place;
  TabStripState& st = p.state;
  const cTabs& record = st.Record(index);
  const Rect head = st.mTabRects[static_cast<size_t>(index)];
  const int32_t dx = RoundToPixel(pic_x + kCaptionInset);
  const int32_t picture_width = RoundToPixel(pic_x);
  const int32_t line_height = p.LineHeight();
  if (!CaptionCanShow(p.m, head, dx, picture_width, CaptionLength(record.TabCaption), line_height))
    return place;

  place.shows = true;
  Rect text = p.measure.MeasuredCaption(p, index, head);
  const int32_t dy = RoundToPixel(p.layout.CaptionOffset(text.Height(), p.m));
  OffsetRectangle(text, dx, dy);
  place.text = text;
  const int64_t margin = std::max<int64_t>(line_height, text.Height());
  place.text_shows = !text.IsEmpty() && BoxCanShow(p.m, text.left, text.top, text.right, text.bottom, margin);
  place.picture = record.TabPicture.get();
  place.picture_area = PictureArea(p.m, place.picture, int64_t{head.left} + kPictureInset,
                                   p.layout.PictureTop(dy, text), picture_width, RoundToPixel(pic_y));
  return place;
}

Rect CaptionFootprint(const CaptionPlace& place) {
  if (!place.shows) return Rect{};
  const Rect text = place.text_shows ? place.text : Rect{};
  const Rect& picture = place.picture_area;
  if (picture.IsEmpty()) return text;
  if (text.IsEmpty()) return picture;
  return Rect{std::min(text.left, picture.left), std::min(text.top, picture.top),
              std::max(text.right, picture.right), std::max(text.bottom, picture.bottom)};
}

Rect MeasureCaption(DeviceContext& dc, const std::string& caption, const Rect& head) {
  Rect text = head;
  MeasureText(dc, caption, CaptionLength(caption), text);
  return text;
}

LaidOutText LayOutCaption(const DeviceContext& dc, const std::string& caption, int64_t width,
                          uint32_t format) {
  return LaidOutText(dc, caption, CaptionLength(caption), width, format);
}

void PaintStrip(StripPass& p) {
  FillStripBackground(p.canvas, StripBackgroundBox(p.m), p.state.mBackColorForm);
}

void FillStripBackground(TabStripCanvas& canvas, const StripBox& strip, OleColor& color) {
  canvas.Fill(strip, color);
}

void FramePage(TabStripCanvas& canvas, const StripBox& page, OleColor& color) {
  canvas.Frame(page, color);
}

void PaintPageFrame(StripPass& p) {
  FramePage(p.canvas, PageFrameBox(p.m), p.state.mFrameColor);
}

StripBox StripBackgroundBox(const StripMetrics& m) {
  return StripBox{0, 0, m.width, m.tab_height};
}

StripBox PageFrameBox(const StripMetrics& m) {
  return StripBox{0, m.tab_height, m.width, m.height};
}

void PaintOutline(StripPass& p, int32_t index) {
  const HeadSpan head = SpanOf(p.state, index);
  if (HeadCanShow(p.m, head.left, head.right)) PaintOutline(p, head.left, head.right);
}

void PaintBody(StripPass& p, int32_t index, const std::vector<ColorRef>& bands) {
  const HeadSpan head = SpanOf(p.state, index);
  if (!HeadCanShow(p.m, head.left, head.right)) return;
  p.canvas.Line(int64_t{head.left} + 2, kHeadTop + 1, int64_t{head.right} - 1, kHeadTop + 1,
                p.state.mBackColor);
  p.layout.PaintBodyGradient(p.canvas.dc(), head.left, head.right, bands, p.m);
}

void PaintSelection(StripPass& p) {
  if (p.count < 1) return;
  const TabStripState& st = p.state;
  const int32_t selected = st.mSelectedTab;
  if (selected >= 1 && selected <= p.count) PaintSelectedHead(p, selected);
  const int32_t hot = st.mHotTab;
  if (hot != 0 && hot != selected && hot >= 1 && hot <= p.count) PaintHotBand(p, hot);
}

void PaintCaption(StripPass& p, int32_t index, const CaptionPlace& place) {
  if (!place.shows) return;
  TabStripState& st = p.state;
  const Rect& area = place.picture_area;
  if (!area.IsEmpty()) {
    st.mImageManipulation->PaintTransparentPicture(p.canvas.dc(), place.picture, area.left, area.top,
                                                   SaturateToInt32(area.Width()),
                                                   SaturateToInt32(area.Height()), 0, 0, st.mMaskColor, 0);
  }
  SetDCTextColor(p.canvas.dc(), SurfaceColor(CaptionColor(st, index)));
  if (!place.text_shows) return;
  const Rect& text = place.text;
  p.measure.CaptionText(p, index, text.Width(), kCaptionFormat).Draw(p.canvas.dc(), text, kCaptionFormat);
}

std::vector<ColorRef> BodyBands(const StripPass& p) {
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  const ColorRef light = ShiftColor(p.state.mBackColor, red, green, blue, kLightOffset);
  const ColorRef dark = ShiftColor(p.state.mBackColor, red, green, blue, kDarkOffset);
  return p.layout.BodyBands(light, dark, p.m);
}

int32_t CaptionLength(const std::string& caption) {
  return static_cast<int32_t>(std::min<size_t>(caption.size(), std::numeric_limits<int32_t>::max()));
}

OleColor CaptionColor(const TabStripState& st, int32_t index) {
  if (index == st.mSelectedTab) return st.mForeColorActive;
  if (index == st.mHotTab) return st.mForeColorHot;
  return st.mForeColor;
}

}  // namespace vellumar
