// What the painters for tabs on top and tabs at the bottom share. The bottom strip is the top strip turned
// upside down, so the outlines, the selected head, the focus and hot bands, the strip background and the page
// frame are drawn once, in top-layout coordinates, through a TabStripCanvas. A StripLayout supplies the few
// things that are not mirror images: the rectangles stored for the hit tests, the record's TabTop, the body
// gradient (it always grows from its rectangle's bottom edge) and the vertical placement of pictures and
// captions.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/drawing/device_context.h"
#include "platform/geometry.h"
#include "platform/ole_color.h"

namespace vellumar {

// The top row of an unselected head in the top layout: its top edge.
inline constexpr int32_t kHeadTop = 2;

// The selected head is its head inflated by this on every side, so that its edges lie on the neighbours'
// outline columns.
inline constexpr int32_t kSelectedGrowth = 2;

// Where the heads stand along the strip: the first head's left column, and the distance from one head's right
// edge to the next head's left edge (x_(i+1) = x_i + w_i + 2: one empty column between heads).
inline constexpr int32_t kFirstHeadLeft = 2;
inline constexpr int32_t kHeadGap = 2;

// A caption starts this far right of its head's left edge plus the width of the tab's picture.
inline constexpr float kCaptionInset = 8.0F;

// What a head shows of the strip's state: nothing, the selection, the selection with the focus band, or the
// pointer.
enum class TabHeadRole { kPlain, kSelected, kSelectedFocused, kHot };

// The client size and the strip height of one paint.
struct StripMetrics {
  int32_t width = 0;       // W
  int32_t height = 0;      // H
  int32_t tab_height = 0;  // TH
};

class StripLayout {
 public:
  virtual ~StripLayout() = default;

  // True for the strip along the bottom edge.
  virtual bool Mirrored() const = 0;
  // What mTabRects holds for an unselected head covering columns left .. right.
  virtual Rect HeadRect(int32_t left, int32_t right, const StripMetrics& m) const = 0;
  // The TabTop field every record receives.
  virtual int32_t RecordTop(const StripMetrics& m) const = 0;
  // Enlarges the selected tab's stored rectangle in place; returns it (the selected head in device pixels).
  virtual Rect EnlargeSelected(Rect& stored, const StripMetrics& m) const = 0;
  // The band colours of an unselected head's gradient body, between the two derived colours.
  virtual std::vector<ColorRef> BodyBands(ColorRef light, ColorRef dark, const StripMetrics& m) const = 0;
  // The gradient body of an unselected head covering columns left .. right, in the colours BodyBands gave.
  virtual void PaintBodyGradient(DeviceContext& dc, int32_t left, int32_t right,
                                 const std::vector<ColorRef>& bands, const StripMetrics& m) const = 0;
  // mPageRect, from the client rectangle.
  virtual Rect PageRect(const Rect& client, const StripMetrics& m) const = 0;
  // The vertical offset of a caption text_height pixels high from the top of its stored rectangle, before
  // rounding.
  virtual double CaptionOffset(int64_t text_height, const StripMetrics& m) const = 0;
  // The top row of a tab's picture, from the rounded offset and the caption rectangle after the offset.
  virtual int32_t PictureTop(int32_t dy, const Rect& caption) const = 0;
};

// The two layouts, and the one an alignment paints: 0, 2 and 3 on top, 1 at the bottom, none for anything
// else.
const StripLayout& TopStripLayout();
const StripLayout& BottomStripLayout();
const StripLayout* LayoutForAlignment(int32_t alignment);

// Rounds to the nearest whole pixel with halves to the even neighbour, saturating at the 32-bit range; a NaN
// gives 0.
int32_t RoundToPixel(double value);

// The body gradient's Size: TH - 5, saturating.
int32_t BodyGradientSize(int32_t tab_height);

}  // namespace vellumar
