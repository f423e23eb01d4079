// TabStripPainter: the tab-strip repaint, with a memory of the paint before. Every paint leaves exactly what
// a full repaint leaves: the same pixels, head and page rectangles, record fields and colour write-backs.
// What the painter remembers only saves work: the heads whose place did not change are not laid out again,
// and only the areas whose pixels can differ from the last picture are cleared and drawn again, with the
// steps of the tabs that reach into them. A fresh painter paints everything.
//
// The painter sees the state and the surface for itself; what it cannot see is a change inside a tab's
// record, which the owner of the records reports (TabWidthChanged, TabContentChanged), or anything done to
// the records or rectangles behind its back, after which the owner calls Forget.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "platform/geometry.h"
#include "platform/raster/damage_region.h"
#include "platform/text/std_font.h"
#include "render/paint_surface.h"
#include "render/strip_steps.h"
#include "render/tab_painter_common.h"
#include "render/tab_strip_state.h"

namespace vellumar {

class TabStripPainter final : private CaptionMeasure {
 public:
  // Paints state on surface in the given layout: clears and redraws what changed, records the rectangles,
  // writes the colour members back as RGB and refreshes the surface once.
  void Paint(TabStripState& state, PaintSurface& surface, const StripLayout& layout);

  // Tab index's width changed: the heads from index on move.
  void TabWidthChanged(int32_t index);
  // Tab index's caption or picture changed.
  void TabContentChanged(int32_t index);
  // Drops every memory: the next paint lays out and draws everything.
  void Forget();

 private:
  // A caption's measured size in one head width, when it was measured in the current font.
  struct CaptionSize {
    int64_t head_width = 0;
    int64_t width = 0;   // from the head's left edge to the end of the widest line
    int64_t height = 0;  // from the head's top edge to the bottom of the last line
    uint32_t epoch = 0;  // font_epoch_ at measurement; 0 never matches
  };
  // What the painter keeps per tab.
  struct TabMemory {
    int64_t left = 0;        // x of the head as laid out
    int32_t width = 0;       // TabWidth as laid out
    bool irregular = false;  // can draw left of its head: a negative width or picture width
    Rect footprint;          // the pixels its steps cover on the image (tabs 1 .. drawn_range_)
    CaptionSize caption[2];  // measured in its plain head and in its enlarged (selected) head
    LaidOutText text;        // its caption laid out for drawing text_width wide, in font text_epoch
    int64_t text_width = 0;
    uint32_t text_epoch = 0;
    CaptionPlace place;  // where its picture and caption go, as placed in paint placed_in
    uint64_t placed_in = 0;
  };
  // Where the heads were laid out for: the rectangles depend on these and the widths alone.
  struct GeometryKey {
    bool mirrored = false;
    int32_t tab_height = 0;
    int32_t height = 0;  // only for the bottom layout
    friend bool operator==(const GeometryKey&, const GeometryKey&) = default;
  };
  // What the pixels of a paint depend on beyond the tabs' own records and places.
  struct Look {
    Rect image;  // the image's rectangle
    bool mirrored = false;
    StripMetrics m;
    ColorRef strip = 0;  // the colours as they land on the surface
    ColorRef frame = 0;
    ColorRef back = 0;
    ColorRef fore = 0;
    ColorRef fore_active = 0;
    ColorRef fore_hot = 0;
    ColorRef mask = 0;
    ColorRef hot_band[3] = {};
    ColorRef focus_band[3] = {};
    StdFont font;
    int32_t count = 0;
    int32_t selected = 0;  // mSelectedTab after the paint made 0 into 1
    int32_t hot = 0;       // mHotTab
    int32_t skip = 0;      // the tab painted without an unselected body
    bool focus = false;
    bool repair = false;  // the selected head drew the page frame's repair pixel
  };
  // What one tab's steps depend on from the Look.
  struct Role {
    TabHeadRole kind = TabHeadRole::kPlain;
    bool body = false;
    ColorRef caption = 0;
    ColorRef band[3] = {};
    friend bool operator==(const Role&, const Role&) = default;
  };

  void PaintNow(TabStripState& state, PaintSurface& surface, const StripLayout& layout);
  static void WriteBackColors(TabStripState& state, int32_t count);
  Look Observe(StripPass& p) const;
  static Role RoleOf(const Look& look, int32_t index);

  // Lays out the tabs whose place may have changed; returns the first of them.
  int32_t LayOut(StripPass& p);
  void LayOutTab(StripPass& p, int32_t index);
  void Truncate(int32_t kept);
  void EnlargeSelected(StripPass& p, int32_t first_laid_out);
  Rect PlainRect(const StripPass& p, int32_t index) const;
  void TakeContentChanges(StripPass& p);
  bool IsIrregular(const cTabs& record) const;
  int32_t DrawnRange(const StripPass& p, const Look& look) const;

  // Damage: what differs from the last picture, when it is not the whole image.
  DamageRegion FindDamage(StripPass& p, const Look& now, int32_t first_moved, int32_t range);
  bool ImageIsNew(PaintSurface& surface) const;
  bool NeedsWholeImage(const StripPass& p, const Look& now) const;
  void Retouch(StripPass& p, int32_t index, int32_t range, const Rect& image, DamageRegion& damage);
  Rect Footprint(StripPass& p, int32_t index, const Rect& image);
  // PlaceCaption, once a paint.
  const CaptionPlace& Place(StripPass& p, int32_t index);
  // How a redrawn area starts: cleared by Cls, or already cleared beside the strip background.
  enum class Clearing { kCls, kClearedBefore };
  void Redraw(StripPass& p, const Rect& area, int32_t range, Clearing clearing);
  Clearing ClearBesideStrip(StripPass& p, const Rect& image);

  void CheckFont(const DeviceContext& dc);
  Rect MeasuredCaption(StripPass& p, int32_t index, const Rect& head) override;
  const LaidOutText& CaptionText(StripPass& p, int32_t index, int64_t width, uint32_t format) override;

  // Layout memory.
  std::vector<TabMemory> tabs_;          // slot 0 unused; laid out for 1 .. laid_out_
  int32_t laid_out_ = 0;                 // tabs whose rectangle and record fields are current
  int32_t enlarged_ = 0;                 // the tab whose stored rectangle is enlarged, 0 none
  int32_t irregular_ = 0;                // laid-out tabs that are irregular
  std::optional<GeometryKey> geometry_;  // what the laid-out rectangles were made for
  int32_t moved_from_ = std::numeric_limits<int32_t>::max();  // first tab whose width changed since
  std::vector<int32_t> content_changed_;                      // tabs whose caption or picture changed since
  bool all_content_changed_ = false;                          // too many to list
  std::optional<StdFont> measured_font_;                      // the font the captions were measured in
  uint32_t font_epoch_ = 1;                                   // counts fonts measured in
  int32_t line_height_ = -1;  // of measured_font_, once a paint has asked for it

  uint64_t paint_number_ = 0;  // counts paints, for what is worked out once a paint
  // What the body gradient's colours are worked out from.
  struct BandKey {
    OleColor back = 0;
    ColorRef back_on_surface = 0;  // a system colour may land as another colour later
    int32_t tab_height = 0;
    const StripLayout* layout = nullptr;
    friend bool operator==(const BandKey&, const BandKey&) = default;
  };
  std::vector<ColorRef> bands_;  // the body gradient's colours, worked out for banded_for_
  std::optional<BandKey> banded_for_;

  // Pixel memory.
  bool drawn_ = false;                     // the image holds the last paint
  const PaintSurface* surface_ = nullptr;  // the surface it was painted on
  uint64_t serial_ = 0;                    // the surface's image serial after it
  Look look_;                              // what the last paint's pixels depended on
  int32_t drawn_range_ = 0;                // tabs 1 .. this have footprints; beyond, nothing was drawn
  std::vector<int32_t> candidates_;        // scratch: the tabs that reach one area
};

}  // namespace vellumar
