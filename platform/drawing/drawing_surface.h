// DrawingSurface: the persistent image a host keeps for the control. The control measures in 96-dpi
// (logical) pixels; the image may hold an integer number of device pixels for each of them, for screens of
// a higher density, and everything but the image itself stays logical. It owns the pixel buffer and the
// device context that draws into it (with the surface font selected), the background and text colours, Cls
// and HIMETRIC scaling, and keeps account of what changed: the area a host has to show again, and a count of
// the changes a painter's memory of the image cannot know about. Every host stands on one; it has no window
// and shows nothing itself.
#pragma once

#include <cstdint>

#include "platform/drawing/device_context.h"
#include "platform/ole_color.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/damage_region.h"
#include "platform/text/std_font.h"
#include "platform/vellumar_export.h"

namespace vellumar {

class VELLUMAR_CORE_EXPORT DrawingSurface {
 public:
  // The resolution the control measures in: its tab widths, fonts and picture sizes assume it.
  static constexpr float kPixelsPerInch = 96;

  // An empty 0 x 0 image with a default font selected.
  DrawingSurface();
  DrawingSurface(const DrawingSurface&) = delete;
  DrawingSurface& operator=(const DrawingSurface&) = delete;

  // Replaces the image by a black one of width x height logical pixels; a side of 0 gives an empty image.
  // A negative side or more than Bitmap::kMaxPixels device pixels throws HostError 7 and keeps the old
  // image.
  void Resize(int32_t width, int32_t height) { Resize(width, height, scale()); }
  // Resize and SetScale in one step, which either succeeds whole or keeps the old image.
  void Resize(int32_t width, int32_t height, int32_t scale);
  // The size last given to Resize, in logical pixels.
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  // Device pixels per logical pixel along each axis, 1 to DeviceContext::kMaxScale. A new scale replaces
  // the image by a black one of the same logical size, to be painted whole again; a scale out of range
  // throws HostError 5 and one too large for the image HostError 7, keeping the old image.
  void SetScale(int32_t scale) {
    if (scale != this->scale()) Resize(width_, height_, scale);
  }
  int32_t scale() const { return dc_.scale(); }
  // The image in device pixels: scale() times the logical size along each side.
  const Bitmap& image() const { return image_; }
  DeviceContext& dc() { return dc_; }
  const DeviceContext& dc() const { return dc_; }

  // The colour Cls clears to and the text colour, kept as assigned.
  OleColor back_color() const { return back_color_; }
  void SetBackColor(OleColor color);
  OleColor fore_color() const { return fore_color_; }
  void SetForeColor(OleColor color) { fore_color_ = color; }
  // The font of all text drawn through dc(); never null: assigning none selects a new default font.
  const StdFontRef& font() const { return font_; }
  void SetFont(StdFontRef font);

  // Fills the image with the translated background colour (black when it cannot be translated), within the
  // device context's clip box when one is set.
  void Cls();

  // Counts the changes to the image that drawing calls do not make: a new buffer, a Cls, a new background
  // colour, MarkChanged. A painter that remembers what it drew trusts the image to hold it only while this
  // count stays as it left it.
  uint64_t serial() const { return serial_; }
  // Tells the surface that something drew into the image without Cls (drawing through dc() is not tracked),
  // or that the whole image is to be painted and shown again.
  void MarkChanged();
  // Adds area (logical pixels) to the damage: a painter drew there without clearing it first.
  void Invalidate(const Rect& area) { damage_.Add(area); }
  // The area changed since the last TakeDamage: what each Cls cleared and each Invalidate named, all of the
  // image after Resize and MarkChanged. In logical pixels.
  const DamageRegion& damage() const { return damage_; }
  DamageRegion TakeDamage();
  // TakeDamage with every rectangle in device pixels, for a host that shows the image.
  DamageRegion TakeDeviceDamage();

  // HIMETRIC units (hundredths of a millimetre) to pixels.
  static float HimetricToPixels(float himetric);
  // The font of the forms the control was made for: a new MS Sans Serif of 8 points.
  static StdFontRef FormFont();

 private:
  Bitmap image_;       // kColor32, width_ x height_ (empty when a side is 0)
  DeviceContext dc_;   // draws into image_ with font_ selected
  int32_t width_ = 0;  // the size asked for
  int32_t height_ = 0;
  OleColor back_color_ = 0;  // what Cls clears to, as assigned
  OleColor fore_color_ = 0;  // the text colour, as assigned
  StdFontRef font_;          // the surface font, never null
  uint64_t serial_ = 0;      // see serial()
  DamageRegion damage_;      // see damage()
};

}  // namespace vellumar
