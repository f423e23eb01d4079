// A device context over a bitmap: the selected bitmap, pen, font, text and background colours, the current
// position and an optional clip box, with GDI's drawing calls. Every call clips to the selected bitmap and
// the clip box; no coordinate, however large or negative, reads or writes outside them. A context without a
// bitmap draws nothing.
//
// Coordinates are logical pixels; a context with a scale s maps each to an s x s block of the bitmap's
// pixels. Fills, frames, lines and single pixels cover exactly the blocks of the pixels they cover at scale
// 1, so the picture is the one-to-one picture enlarged; text and pictures, drawn elsewhere, use the scale to
// render at the bitmap's resolution instead.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/geometry.h"
#include "platform/ole_color.h"
#include "platform/raster/bitmap.h"
#include "platform/text/std_font.h"
#include "platform/vellumar_export.h"

namespace vellumar {

namespace raster {
struct ScaledTarget;
}

// Pen styles; only solid pens are drawn.
inline constexpr int32_t kPsSolid = 0;

struct Pen {
  int32_t style = kPsSolid;
  int32_t width = 1;  // 0 and 1 draw one pixel wide; wider pens are square-ish bands centred on the line
  ColorRef color = 0;
};

enum class BkMode { kTransparent = 1, kOpaque = 2 };

// Raster operations of BitBlt.
inline constexpr uint32_t kSrcCopy = 0x00CC0020;
inline constexpr uint32_t kSrcAnd = 0x008800C6;
inline constexpr uint32_t kSrcPaint = 0x00EE0086;
inline constexpr uint32_t kSrcInvert = 0x00660046;
inline constexpr uint32_t kDstAndNotSrc = 0x00220326;  // destination AND NOT source
inline constexpr uint32_t kBlackness = 0x00000042;
inline constexpr uint32_t kWhiteness = 0x00FF0062;

class VELLUMAR_CORE_EXPORT DeviceContext {
 public:
  // A context with no bitmap selected.
  DeviceContext() = default;
  // A context drawing into target (not owned; it must outlive the selection).
  explicit DeviceContext(Bitmap* target) : bitmap_(target) {}

  // Selects a bitmap (not owned) and returns the one selected before.
  Bitmap* SelectBitmap(Bitmap* bitmap);
  Bitmap* bitmap() { return bitmap_; }
  const Bitmap* bitmap() const { return bitmap_; }

  // Bitmap pixels per logical pixel along each axis, 1 to kMaxScale; other values are clamped.
  static constexpr int32_t kMaxScale = 4;
  void SetScale(int32_t scale);
  int32_t scale() const { return scale_; }

  // Limits every drawing call to box as well as to the bitmap, as IntersectClipRect does on a context
  // without a clip region; no box, or ClearClipBox, lifts the limit. Each call paints exactly the pixels it
  // would paint without the box, less those outside it. Reading pixels is not limited.
  void SetClipBox(const std::optional<Rect>& box) { clip_box_ = box; }
  void ClearClipBox() { clip_box_.reset(); }
  const std::optional<Rect>& clip_box() const { return clip_box_; }
  // Where drawing calls may write, in logical pixels: the bitmap's rectangle (its partial blocks included)
  // cut to the clip box; empty without a bitmap.
  Rect DrawingBounds() const;
  // The same area in the bitmap's pixels, within the bitmap.
  Rect DeviceBounds() const;
  // The bitmap pixels of the part of a logical rectangle that lies within DrawingBounds.
  Rect DeviceArea(const Rect& logical) const;

  Pen SelectPen(const Pen& pen);
  const Pen& pen() const { return pen_; }

  // The font of all text drawn into this context; none selected means the default StdFont.
  StdFontRef SelectFont(StdFontRef font);
  const StdFontRef& font() const { return font_; }

  ColorRef SetTextColor(ColorRef color);  // returns the previous text colour
  ColorRef GetTextColor() const { return text_color_; }
  ColorRef SetBkColor(ColorRef color);  // returns the previous background colour
  ColorRef GetBkColor() const { return bk_color_; }
  BkMode SetBkMode(BkMode mode);
  BkMode GetBkMode() const { return bk_mode_; }

  // Moves the current position and returns the previous one.
  Point MoveTo(int32_t x, int32_t y);
  Point CurrentPosition() const { return position_; }
  // Draws with the selected pen from the current position to (x, y), leaving (x, y) itself unpainted, and
  // makes (x, y) the current position.
  void LineTo(int32_t x, int32_t y);

  // Fills rect (right and bottom exclusive) with a solid colour.
  void FillRect(const Rect& rect, ColorRef color);
  // Draws the one-pixel outline just inside rect.
  void FrameRect(const Rect& rect, ColorRef color);
  // Fills the columns rect.left and rect.right - 1 over rect's rows, as two one-pixel-wide FillRect calls
  // would, in one pass down the rows.
  void FrameSides(const Rect& rect, ColorRef color);
  // Fills bands of rect thickness pixels deep, one per colour, stacked from its bottom edge upwards (from
  // its right edge leftwards when horizontal), as one FillRect per band would; rect ends as the last band's
  // far edge left it. The bounds are found once for all bands.
  void FillBands(Rect& rect, int32_t thickness, bool horizontal, std::span<const ColorRef> colors);
  void SetPixelV(int32_t x, int32_t y, ColorRef color);
  // The colour of the logical pixel (the top-left pixel of its block), or 0xFFFFFFFF (CLR_INVALID) outside
  // the bitmap. Monochrome pixels read as black or white.
  ColorRef GetPixel(int32_t x, int32_t y) const;

 private:
  raster::ScaledTarget Target() const;
  // A part of DrawingBounds in the bitmap's pixels.
  Rect ScaledArea(const Rect& area) const;

  Bitmap* bitmap_ = nullptr;
  int32_t scale_ = 1;
  std::optional<Rect> clip_box_;  // the clip box, none for the whole bitmap
  Pen pen_;
  StdFontRef font_;
  ColorRef text_color_ = 0x000000;
  ColorRef bk_color_ = 0xFFFFFF;
  BkMode bk_mode_ = BkMode::kOpaque;
  Point position_;
};

// Copies a Width x Height block (in logical pixels) from src to dest with a raster operation (kSrcCopy,
// kSrcAnd, kSrcPaint, kSrcInvert, kDstAndNotSrc, kBlackness, kWhiteness), clipped to both bitmaps and to
// dest's clip box. Between formats it converts as GDI does: colour to monochrome gives 1 where the source
// pixel equals src's background colour and 0 elsewhere; monochrome to colour gives dest's text colour for 0
// and dest's background colour for 1. Between scales each destination pixel takes the source pixel at the
// same place of the logical block, so a smaller source is enlarged by repeating its pixels. Returns false,
// drawing nothing, for an unknown raster operation.
bool BitBlt(DeviceContext& dest, int32_t x, int32_t y, int32_t width, int32_t height,
            const DeviceContext& src, int32_t x_src, int32_t y_src, uint32_t rop);

}  // namespace vellumar
