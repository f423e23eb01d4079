// The repaint with a memory of the paint before.
//
// [SECTION] Index
//   Paint            the order of one paint: write-backs, layout, damage, redraw
//   Layout           rectangles and record fields of the tabs whose place changed
//   Damage           which areas can differ from the last picture
//   Redraw           one area, cleared and drawn again by the steps that reach it
//   Captions         measurements kept from one paint to the next
#include "render/tab_strip_painter.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "render/image_manipulation.h"
#include "render/tab_painter.h"
#include "render/tab_strip_canvas.h"
#include "render/xp_wells.h"

namespace vellumar {
namespace {

// More tab changes than this between two paints are not listed one by one: every tab counts as changed.
constexpr size_t kMaxListedChanges = 64;

void TranslateInPlace(OleColor& color) {
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  color = ShiftColor(color, red, green, blue, 0);
}

bool InTabs(int32_t index, int32_t count) {
  return index >= 1 && index <= count;
}

Rect Clipped(const Rect& rect, const Rect& image) {
  return Intersect(rect, image);
}

Rect Around(const Rect& a, const Rect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

bool Meets(const Rect& a, const Rect& b) {
  return !Intersect(a, b).IsEmpty();
}

}  // namespace

// [SECTION] Paint

void TabStripPainter::Paint(TabStripState& state, PaintSurface& surface, const StripLayout& layout) {
  try {
    PaintNow(state, surface, layout);
  } catch (...) {
    // A paint that failed half way leaves records, rectangles and pixels the memory does not describe.
    surface.hDC().ClearClipBox();
    Forget();
    throw;
  }
}

void TabStripPainter::PaintNow(TabStripState& state, PaintSurface& surface, const StripLayout& layout) {
  state.mImageManipulation.emplace();
  const Rect client = GetClientRectOf(surface.Windows(), surface.hWnd());
  const StripMetrics m{SaturateToInt32(client.Width()), SaturateToInt32(client.Height()), state.mTabHeight};
  TabStripCanvas canvas(surface.hDC(), layout.Mirrored(), m.height);
  const int32_t count = std::max(0, std::min(state.mNumberOfTabs, state.Capacity()));
  // A selection of 0 is painted as the first tab, and that tab gets no unselected body either: its selected
  // head hides the body only where the head has room, so with a width of 0 or less or a low strip the body
  // would show on this paint and be gone on the next, which finds the selection 1.
  const int32_t skip_body = state.mSelectedTab == 0 && count >= 1 ? 1 : state.mSelectedTab;
  StripPass p{state, &surface, layout, canvas, *this, m, count, skip_body};
  ++paint_number_;
  // An image this painter did not draw last is drawn whole. Clearing it before anything else, as a full
  // repaint starts, means what the paint reads afterwards is read once after the clear, not also before it.
  const std::optional<Clearing> cleared =
      ImageIsNew(surface) ? std::optional(ClearBesideStrip(p, canvas.dc().DrawingBounds())) : std::nullopt;
  CheckFont(canvas.dc());
  p.line_height = line_height_;

  WriteBackColors(state, count);
  const int32_t first_moved = LayOut(p);
  state.mPageRect = layout.PageRect(client, m);
  TakeContentChanges(p);
  const Look now = Observe(p);
  const int32_t range = DrawnRange(p, now);
  if (NeedsWholeImage(p, now)) {
    // Clearing before the tabs are placed keeps what placing reads in the cache for drawing.
    const Clearing clearing = cleared ? *cleared : ClearBesideStrip(p, now.image);
    for (int32_t i = 1; i <= range; ++i) tabs_[static_cast<size_t>(i)].footprint = Footprint(p, i, now.image);
    Redraw(p, now.image, range, clearing);
  } else {
    const DamageRegion damage = FindDamage(p, now, first_moved, range);
    if (damage.rects().size() == 1 && damage.rects().front() == now.image) {
      Redraw(p, now.image, range, ClearBesideStrip(p, now.image));
    } else {
      for (const Rect& area : damage.rects()) Redraw(p, area, range, Clearing::kCls);
    }
  }

  drawn_ = true;
  surface_ = &surface;
  serial_ = surface.ImageSerial();
  look_ = now;
  drawn_range_ = range;
  line_height_ = p.line_height;
  state.mImageManipulation.reset();
  surface.Refresh();
}

// What the strip background, the page frame and the selected head's fill do to their colour members, and
// the selection 0 standing for the first tab, as a full repaint leaves them.
void TabStripPainter::WriteBackColors(TabStripState& state, int32_t count) {
  TranslateInPlace(state.mBackColorForm);
  TranslateInPlace(state.mFrameColor);
  if (count < 1) return;
  if (state.mSelectedTab == 0) state.mSelectedTab = 1;
  if (InTabs(state.mSelectedTab, count)) TranslateInPlace(state.mBackColor);
}

TabStripPainter::Look TabStripPainter::Observe(StripPass& p) const {
  const TabStripState& st = p.state;
  Look look;
  look.image = p.canvas.dc().DrawingBounds();
  look.mirrored = p.layout.Mirrored();
  look.m = p.m;
  look.strip = SurfaceColor(st.mBackColorForm);
  look.frame = SurfaceColor(st.mFrameColor);
  look.back = SurfaceColor(st.mBackColor);
  look.fore = SurfaceColor(st.mForeColor);
  look.fore_active = SurfaceColor(st.mForeColorActive);
  look.fore_hot = SurfaceColor(st.mForeColorHot);
  look.mask = SurfaceColor(st.mMaskColor);
  const OleColor hot_band[3] = {st.mMouseMoveColor0, st.mMouseMoveColor1, st.mMouseMoveColor2};
  const OleColor focus_band[3] = {st.mRegisterFocusColor0, st.mRegisterFocusColor1, st.mRegisterFocusColor2};
  for (int k = 0; k < 3; ++k) {
    look.hot_band[k] = SurfaceColor(hot_band[k]);
    look.focus_band[k] = SurfaceColor(focus_band[k]);
  }
  const StdFontRef& font = p.canvas.dc().font();
  look.font = font ? *font : StdFont{};
  look.count = p.count;
  look.selected = st.mSelectedTab;
  look.hot = st.mHotTab;
  look.skip = p.skip_body;
  look.focus = st.mHasFocus != kFalse;
  if (InTabs(look.selected, p.count)) {
    const Rect plain = PlainRect(p, look.selected);
    look.repair = HeadCanShow(p.m, plain.left, plain.right);
  }
  return look;
}

TabStripPainter::Role TabStripPainter::RoleOf(const Look& look, int32_t index) {
  Role role;
  const bool selected = InTabs(index, look.count) && index == look.selected;
  const bool hot = InTabs(index, look.count) && !selected && index == look.hot && look.hot != look.selected;
  if (selected) {
    role.kind = look.focus ? TabHeadRole::kSelectedFocused : TabHeadRole::kSelected;
  } else if (hot) {
    role.kind = TabHeadRole::kHot;
  }
  role.body = index != look.skip;
  role.caption = index == look.selected ? look.fore_active : (index == look.hot ? look.fore_hot : look.fore);
  const ColorRef* band = role.kind == TabHeadRole::kSelectedFocused ? look.focus_band
                         : role.kind == TabHeadRole::kHot           ? look.hot_band
                                                                    : nullptr;
  if (band != nullptr) std::copy(band, band + 3, role.band);
  return role;
}

void TabStripPainter::TabWidthChanged(int32_t index) {
  moved_from_ = std::min(moved_from_, std::max(index, 1));
}

void TabStripPainter::TabContentChanged(int32_t index) {
  if (index >= 1 && static_cast<size_t>(index) < tabs_.size()) {
    TabMemory& tab = tabs_[static_cast<size_t>(index)];
    for (CaptionSize& size : tab.caption) size.epoch = 0;
    tab.text_epoch = 0;
  }
  if (all_content_changed_) return;
  if (content_changed_.size() >= kMaxListedChanges) {
    all_content_changed_ = true;
    content_changed_.clear();
    return;
  }
  content_changed_.push_back(index);
}

void TabStripPainter::Forget() {
  Truncate(0);
  geometry_.reset();
  moved_from_ = std::numeric_limits<int32_t>::max();
  content_changed_.clear();
  all_content_changed_ = false;
  measured_font_.reset();
  ++font_epoch_;
  drawn_ = false;
  surface_ = nullptr;
  drawn_range_ = 0;
}

// [SECTION] Layout

int32_t TabStripPainter::LayOut(StripPass& p) {
  const int32_t count = p.count;
  const GeometryKey key{p.layout.Mirrored(), p.m.tab_height, p.layout.Mirrored() ? p.m.height : 0};
  // New strip rectangles move every head; an unlisted change of pictures may make any tab irregular.
  if (geometry_ != key || all_content_changed_) Truncate(0);
  geometry_ = key;
  const int32_t moved = std::exchange(moved_from_, std::numeric_limits<int32_t>::max());
  // A paint without tabs leaves the rectangles alone; the next one with tabs lays them all out.
  Truncate(std::max(0, std::min({laid_out_, moved - 1, count})));
  const int32_t first = laid_out_ + 1;
  if (count < 1) return first;
  const auto slots = static_cast<size_t>(count) + 1;
  p.state.mTabRects.resize(slots);
  if (tabs_.size() < slots) tabs_.resize(slots);
  for (int32_t i = first; i <= count; ++i) LayOutTab(p, i);
  EnlargeSelected(p, first);
  return first;
}

void TabStripPainter::LayOutTab(StripPass& p, int32_t index) {
  cTabs& record = p.state.Record(index);
  const auto slot = static_cast<size_t>(index);
  const int64_t x = index == 1 ? kFirstHeadLeft : tabs_[slot - 1].left + tabs_[slot - 1].width + kHeadGap;
  const int32_t left = SaturateToInt32(x);
  record.TabLeft = left;
  record.TabTop = p.layout.RecordTop(p.m);
  record.TabHeight = p.m.tab_height;
  TabMemory& tab = tabs_[slot];
  tab.left = x;
  tab.width = record.TabWidth;
  tab.irregular = IsIrregular(record);
  if (tab.irregular) ++irregular_;
  p.state.mTabRects[slot] = PlainRect(p, index);
  laid_out_ = index;
}

// Forgets the places of the tabs after kept.
void TabStripPainter::Truncate(int32_t kept) {
  for (int32_t i = kept + 1; i <= laid_out_; ++i) {
    if (tabs_[static_cast<size_t>(i)].irregular) --irregular_;
  }
  laid_out_ = std::min(laid_out_, kept);
  if (enlarged_ > kept) enlarged_ = 0;
}

// Only the selected tab's stored rectangle is enlarged; the one enlarged before gets its plain head back.
void TabStripPainter::EnlargeSelected(StripPass& p, int32_t first_laid_out) {
  std::vector<Rect>& rects = p.state.mTabRects;
  const int32_t selected = InTabs(p.state.mSelectedTab, p.count) ? p.state.mSelectedTab : 0;
  if (enlarged_ != 0 && enlarged_ < first_laid_out && enlarged_ != selected) {
    rects[static_cast<size_t>(enlarged_)] = PlainRect(p, enlarged_);
  }
  if (selected != 0 && (selected != enlarged_ || selected >= first_laid_out)) {
    p.layout.EnlargeSelected(rects[static_cast<size_t>(selected)], p.m);
  }
  enlarged_ = selected;
}

Rect TabStripPainter::PlainRect(const StripPass& p, int32_t index) const {
  const TabMemory& tab = tabs_[static_cast<size_t>(index)];
  const int32_t left = SaturateToInt32(tab.left);
  return p.layout.HeadRect(left, SaturateToInt32(int64_t{left} + tab.width), p.m);
}

// A new picture can make a tab irregular or regular again.
void TabStripPainter::TakeContentChanges(StripPass& p) {
  for (int32_t index : content_changed_) {
    if (index < 1 || index > laid_out_) continue;
    TabMemory& tab = tabs_[static_cast<size_t>(index)];
    const bool irregular = IsIrregular(p.state.Record(index));
    irregular_ += static_cast<int32_t>(irregular) - static_cast<int32_t>(tab.irregular);
    tab.irregular = irregular;
  }
}

// A regular tab draws nothing left of its head's reach: its width and its picture's width are not negative,
// so its caption starts right of its head's left edge.
bool TabStripPainter::IsIrregular(const cTabs& record) const {
  return record.TabWidth < 0 || (record.TabPicture && record.TabPicture->Width() < 0);
}

// The tabs whose steps can reach the image: with regular tabs only those whose reach starts left of the right
// edge, as the heads lie left to right; otherwise, or on an image that is not the client area, all of them.
int32_t TabStripPainter::DrawnRange(const StripPass& p, const Look& look) const {
  const bool exact = look.image == Rect{0, 0, p.m.width, p.m.height};
  if (p.count < 1 || irregular_ > 0 || !exact) return p.count;
  const auto begin = tabs_.begin() + 1;
  const auto end = tabs_.begin() + 1 + p.count;
  const auto beyond = std::partition_point(
      begin, end, [&](const TabMemory& tab) { return tab.left - kHeadReach < int64_t{p.m.width}; });
  return static_cast<int32_t>(beyond - begin);
}

// [SECTION] Damage

DamageRegion TabStripPainter::FindDamage(StripPass& p, const Look& now, int32_t first_moved, int32_t range) {
  DamageRegion damage;
  const Rect& image = now.image;
  const Look& was = look_;
  const int32_t reach = std::max(drawn_range_, range);
  const bool every_tab = all_content_changed_ || was.back != now.back || was.fore != now.fore ||
                         was.mask != now.mask || !(was.font == now.font);
  all_content_changed_ = false;
  const int32_t first = every_tab ? 1 : std::min(first_moved, std::min(was.count, now.count) + 1);
  for (int32_t i = first; i <= reach; ++i) Retouch(p, i, range, image, damage);
  // Tabs newly within the range have no footprint yet.
  for (int32_t i = drawn_range_ + 1; i <= range; ++i) Retouch(p, i, range, image, damage);
  for (int32_t index : content_changed_) Retouch(p, index, range, image, damage);
  content_changed_.clear();
  for (int32_t index : {was.selected, was.hot, was.skip, now.selected, now.hot, now.skip}) {
    if (!(RoleOf(was, index) == RoleOf(now, index))) Retouch(p, index, range, image, damage);
  }
  if (was.strip != now.strip) {
    damage.Add(Clipped(p.canvas.ToDevice(StripBackgroundBox(p.m)), image));
    Retouch(p, was.selected, range, image, damage);
    Retouch(p, now.selected, range, image, damage);
  }
  if (was.repair != now.repair) {
    const int64_t row = int64_t{p.m.tab_height} + 1;
    damage.Add(Clipped(p.canvas.ToDevice(StripBox{0, row, 1, row + 1}), image));
  }
  return damage;
}

bool TabStripPainter::ImageIsNew(PaintSurface& surface) const {
  return !drawn_ || surface_ != &surface || serial_ != surface.ImageSerial();
}

bool TabStripPainter::NeedsWholeImage(const StripPass& p, const Look& now) const {
  const Look& was = look_;
  if (ImageIsNew(*p.surface)) return true;
  if (now.image != Rect{0, 0, now.m.width, now.m.height} || was.image != now.image) return true;
  return was.mirrored != now.mirrored || was.m.width != now.m.width || was.m.height != now.m.height ||
         was.m.tab_height != now.m.tab_height || was.frame != now.frame;
}

// Damages what tab index covered on the last picture and what it covers now.
void TabStripPainter::Retouch(StripPass& p, int32_t index, int32_t range, const Rect& image,
                              DamageRegion& damage) {
  if (index < 1 || static_cast<size_t>(index) >= tabs_.size()) return;
  TabMemory& tab = tabs_[static_cast<size_t>(index)];
  if (index <= drawn_range_) damage.Add(tab.footprint);
  tab.footprint = index <= range ? Footprint(p, index, image) : Rect{};
  damage.Add(tab.footprint);
}

Rect TabStripPainter::Footprint(StripPass& p, int32_t index, const Rect& image) {
  const Rect head = HeadFootprint(p, index);
  const Rect caption = CaptionFootprint(Place(p, index));
  return Clipped(Around(head, caption), image);
}

const CaptionPlace& TabStripPainter::Place(StripPass& p, int32_t index) {
  TabMemory& tab = tabs_[static_cast<size_t>(index)];
  if (tab.placed_in != paint_number_) {
    float pic_x = 0;
    float pic_y = 0;
    GetPictureSize(*p.surface, p.state.Record(index).TabPicture.get(), pic_x, pic_y);
    tab.place = PlaceCaption(p, index, pic_x, pic_y);
    tab.placed_in = paint_number_;
  }
  return tab.place;
}

// [SECTION] Redraw

// The steps of a full repaint, limited to area by the clip box; a tab whose footprint misses the area would
// draw nothing there, so its steps are left out.
void TabStripPainter::Redraw(StripPass& p, const Rect& area, int32_t range, Clearing clearing) {
  DeviceContext& dc = p.canvas.dc();
  dc.SetClipBox(area);
  if (clearing == Clearing::kCls) {
    p.surface->Cls();
  } else {
    p.surface->Invalidate(area);
  }
  PaintStrip(p);
  PaintPageFrame(p);
  candidates_.clear();
  for (int32_t i = 1; i <= range; ++i) {
    if (Meets(tabs_[static_cast<size_t>(i)].footprint, area)) candidates_.push_back(i);
  }
  for (int32_t i : candidates_) PaintOutline(p, i);
  if (!candidates_.empty()) {
    const BandKey key{p.state.mBackColor, SurfaceColor(p.state.mBackColor), p.m.tab_height, &p.layout};
    if (banded_for_ != key) {
      bands_ = BodyBands(p);
      banded_for_ = key;
    }
  }
  for (int32_t i : candidates_) {
    if (i != p.skip_body) PaintBody(p, i, bands_);
  }
  PaintSelection(p);
  for (int32_t i : candidates_) PaintCaption(p, i, Place(p, i));
  dc.ClearClipBox();
}

// The strip background covers the strip's rows whole, so only the rows beside it are cleared; the image is
// then drawn in one pass, which keeps each pixel's sequence of steps and walks the tabs once. Says how the
// drawing must start.
TabStripPainter::Clearing TabStripPainter::ClearBesideStrip(StripPass& p, const Rect& image) {
  const Rect strip = Intersect(p.canvas.ToDevice(StripBackgroundBox(p.m)), image);
  const bool spans = !strip.IsEmpty() && strip.left == image.left && strip.right == image.right;
  if (!spans || (strip.top != image.top && strip.bottom != image.bottom)) return Clearing::kCls;
  const Rect rest = strip.top == image.top ? Rect{image.left, strip.bottom, image.right, image.bottom}
                                           : Rect{image.left, image.top, image.right, strip.top};
  if (!rest.IsEmpty()) {
    DeviceContext& dc = p.canvas.dc();
    const std::optional<Rect> clip = dc.clip_box();
    dc.SetClipBox(rest);
    p.surface->Cls();
    dc.SetClipBox(clip);
  }
  return Clearing::kClearedBefore;
}

// [SECTION] Captions

// A caption measured in another font is measured again.
void TabStripPainter::CheckFont(const DeviceContext& dc) {
  static const StdFont kNoFont;
  const StdFont& font = dc.font() ? *dc.font() : kNoFont;
  if (measured_font_ == font) return;
  measured_font_ = font;
  ++font_epoch_;
  line_height_ = -1;
}

// The measurement depends on the caption, the font and the head's width; a result that reached the 32-bit
// limit is not kept, as it would not move with the head.
Rect TabStripPainter::MeasuredCaption(StripPass& p, int32_t index, const Rect& head) {
  const int slot = index == enlarged_ ? 1 : 0;
  CaptionSize& size = tabs_[static_cast<size_t>(index)].caption[slot];
  if (size.epoch == font_epoch_ && size.head_width == head.Width()) {
    return Rect{head.left, head.top, SaturateToInt32(head.left + size.width),
                SaturateToInt32(head.top + size.height)};
  }
  const Rect text = MeasureCaption(p.canvas.dc(), p.state.Record(index).TabCaption, head);
  constexpr int32_t kLimit = std::numeric_limits<int32_t>::max();
  if (text.right < kLimit && text.bottom < kLimit) {
    size = CaptionSize{head.Width(), int64_t{text.right} - head.left, int64_t{text.bottom} - head.top,
                       font_epoch_};
  }
  return text;
}

// Shaping and breaking a caption costs more than drawing its glyphs, so the layout is kept while the caption,
// the font and the width stay.
const LaidOutText& TabStripPainter::CaptionText(StripPass& p, int32_t index, int64_t width, uint32_t format) {
  TabMemory& tab = tabs_[static_cast<size_t>(index)];
  if (tab.text_epoch != font_epoch_ || tab.text_width != width) {
    tab.text = LayOutCaption(p.canvas.dc(), p.state.Record(index).TabCaption, width, format);
    tab.text_width = width;
    tab.text_epoch = font_epoch_;
  }
  return tab.text;
}

}  // namespace vellumar
