// The steps of one tab-strip paint, in top-layout coordinates, and the geometry they share with the painter
// that decides which of them to run: where each head's drawing can reach and where its picture and caption
// go. Each per-tab step touches no pixel outside that tab's footprint, which is what lets the painter redraw
// an area by running only the steps of the tabs whose footprints meet it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/drawing/text.h"
#include "platform/geometry.h"
#include "platform/pictures/picture.h"
#include "render/paint_surface.h"
#include "render/tab_painter_common.h"
#include "render/tab_strip_canvas.h"
#include "render/tab_strip_state.h"

namespace vellumar {

// Columns on either side of a head's stored span that its outline, the enlarged selected head or a band can
// reach: the selected head reaches two columns left of its head and its right edge two columns right.
inline constexpr int64_t kHeadReach = 3;

struct StripPass;

// Measures captions for the caption steps; the painter answers from what it measured before.
class CaptionMeasure {
 public:
  // head with its right edge moved to the end of the widest line and its bottom to the bottom of the last,
  // as MeasureText gives it for tab index's caption.
  virtual Rect MeasuredCaption(StripPass& p, int32_t index, const Rect& head) = 0;
  // Tab index's caption laid out in the surface font for drawing with format into a rectangle width wide.
  virtual const LaidOutText& CaptionText(StripPass& p, int32_t index, int64_t width, uint32_t format) = 0;

 protected:
  ~CaptionMeasure() = default;
};

// What every step of one paint reads.
struct StripPass {
  TabStripState& state;
  PaintSurface* surface;  // the control's surface; none when a piece of the strip is painted alone
  const StripLayout& layout;
  TabStripCanvas& canvas;
  CaptionMeasure& measure;
  StripMetrics m;
  int32_t count = 0;         // tabs painted: mNumberOfTabs, limited to the records that exist
  int32_t skip_body = 0;     // mSelectedTab as the paint found it: that head gets no unselected body
  int32_t line_height = -1;  // of the surface font, once a caption step has asked for it

  int32_t LineHeight();
};

// Whether anything the strip draws for a head spanning columns left .. right can land on the surface.
bool HeadCanShow(const StripMetrics& m, int64_t left, int64_t right);

// The device pixels that tab index's outline, body, selected head and bands can touch, from its stored
// rectangle's columns; empty when none of them can show.
Rect HeadFootprint(const StripPass& p, int32_t index);

// Where tab index's picture and caption go, judged before anything is drawn.
struct CaptionPlace {
  bool shows = false;       // false: neither picture nor caption can land on the surface
  Rect text;                // the caption's rectangle; its text is clipped to it
  bool text_shows = false;  // the caption is drawn at all
  const StdPicture* picture = nullptr;
  Rect picture_area;  // the part of the picture that is drawn, cut at the surface's edges
};
// pic_x and pic_y are the size of the tab's picture in pixels, as GetPictureSize gives it.
CaptionPlace PlaceCaption(StripPass& p, int32_t index, float pic_x, float pic_y);

// A caption measured and laid out afresh, for a CaptionMeasure that keeps nothing or to fill what it keeps.
Rect MeasureCaption(DeviceContext& dc, const std::string& caption, const Rect& head);
LaidOutText LayOutCaption(const DeviceContext& dc, const std::string& caption, int64_t width,
                          uint32_t format);

// The device pixels tab index's picture and caption cover.
Rect CaptionFootprint(const CaptionPlace& place);

// The steps, in the order of a paint. Lines and pixels go through the canvas, so that a clip box on the
// surface's device context limits them all.
void PaintStrip(StripPass& p);
// The strip background and the page's frame on any box; color receives its RGB translation.
void FillStripBackground(TabStripCanvas& canvas, const StripBox& strip, OleColor& color);
void FramePage(TabStripCanvas& canvas, const StripBox& page, OleColor& color);
// The page's frame, drawn after the strip background.
void PaintPageFrame(StripPass& p);
// The strip's rows in top-layout coordinates, whole.
StripBox StripBackgroundBox(const StripMetrics& m);
// The page's frame in top-layout coordinates: the rows below the strip, whole.
StripBox PageFrameBox(const StripMetrics& m);
void PaintOutline(StripPass& p, int32_t index);
void PaintBody(StripPass& p, int32_t index, const std::vector<ColorRef>& bands);
// The selected head with its focus band, and the hot band; a selection outside the tabs paints neither head.
void PaintSelection(StripPass& p);
void PaintCaption(StripPass& p, int32_t index, const CaptionPlace& place);

// The band colours of the unselected bodies, from Light and Dark of mBackColor.
std::vector<ColorRef> BodyBands(const StripPass& p);

// How many bytes of a caption are drawn.
int32_t CaptionLength(const std::string& caption);

// The colour of tab index's caption.
OleColor CaptionColor(const TabStripState& st, int32_t index);

}  // namespace vellumar
