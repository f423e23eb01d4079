#include "platform/drawing/device_context.h"

#include <algorithm>
#include <utility>

#include "platform/raster/raster_line.h"
#include "platform/raster/raster_pixels.h"

namespace vellumar {

Bitmap* DeviceContext::SelectBitmap(Bitmap* bitmap) {
  return std::exchange(bitmap_, bitmap);
}

void DeviceContext::SetScale(int32_t scale) {
  scale_ = std::clamp(scale, 1, kMaxScale);
}

namespace {

// Every drawing call asks for its bounds, so the division by the scale is one by a constant: a division by
// a variable costs more than the fill of a short run.
int32_t BlocksCovering(int32_t pixels, int32_t scale) {
  static_assert(DeviceContext::kMaxScale == 4);
  switch (scale) {
    case 1:
      return pixels;
    case 2:
      return (pixels + 1) / 2;
    case 3:
      return (pixels + 2) / 3;
    default:
      return (pixels + 3) / 4;
  }
}

}  // namespace

Rect DeviceContext::DrawingBounds() const {
  if (bitmap_ == nullptr) return Rect{};
  const Rect whole{0, 0, BlocksCovering(bitmap_->width(), scale_), BlocksCovering(bitmap_->height(), scale_)};
  return clip_box_ ? Intersect(whole, *clip_box_) : whole;
}

Rect DeviceContext::DeviceBounds() const {
  return ScaledArea(DrawingBounds());
}

// Cut to the drawing bounds, which lie within the bitmap's extent divided by the scale, the products fit.
Rect DeviceContext::DeviceArea(const Rect& logical) const {
  if (bitmap_ == nullptr) return Rect{};
  return ScaledArea(Intersect(logical, DrawingBounds()));
}

// At scale 1 the drawing bounds already lie within the bitmap.
Rect DeviceContext::ScaledArea(const Rect& area) const {
  if (area.IsEmpty()) return Rect{};
  if (scale_ == 1) return area;
  const Rect scaled{area.left * scale_, area.top * scale_, area.right * scale_, area.bottom * scale_};
  return Intersect(scaled, Rect{0, 0, bitmap_->width(), bitmap_->height()});
}

raster::ScaledTarget DeviceContext::Target() const {
  return raster::ScaledTarget{bitmap_, DeviceBounds(), scale_};
}

Pen DeviceContext::SelectPen(const Pen& pen) {
  return std::exchange(pen_, pen);
}

StdFontRef DeviceContext::SelectFont(StdFontRef font) {
  return std::exchange(font_, std::move(font));
}

ColorRef DeviceContext::SetTextColor(ColorRef color) {
  return std::exchange(text_color_, color);
}

ColorRef DeviceContext::SetBkColor(ColorRef color) {
  return std::exchange(bk_color_, color);
}

BkMode DeviceContext::SetBkMode(BkMode mode) {
  return std::exchange(bk_mode_, mode);
}

Point DeviceContext::MoveTo(int32_t x, int32_t y) {
  return std::exchange(position_, Point{x, y});
}

void DeviceContext::LineTo(int32_t x, int32_t y) {
  const Point from = std::exchange(position_, Point{x, y});
  if (bitmap_ == nullptr || pen_.style != kPsSolid) return;
  raster::DrawClippedLine(Target(), DrawingBounds(), from, position_, pen_.width,
                          raster::PixelValue(bitmap_->format(), pen_.color));
}

void DeviceContext::FillRect(const Rect& rect, ColorRef color) {
  if (bitmap_ == nullptr || rect.IsEmpty()) return;
  Target().Fill(rect.left, rect.top, rect.right, rect.bottom, raster::PixelValue(bitmap_->format(), color));
}

void DeviceContext::FillBands(Rect& rect, int32_t thickness, bool horizontal,
                              std::span<const ColorRef> colors) {
  if (bitmap_ == nullptr) return;
  const raster::ScaledTarget target = Target();
  const PixelFormat format = bitmap_->format();
  int32_t& near_edge = horizontal ? rect.left : rect.top;
  int32_t& far_edge = horizontal ? rect.right : rect.bottom;
  for (const ColorRef color : colors) {
    near_edge = SaturatingSub(far_edge, thickness);
    target.Fill(rect.left, rect.top, rect.right, rect.bottom, raster::PixelValue(format, color));
    far_edge = near_edge;
  }
}

void DeviceContext::FrameRect(const Rect& rect, ColorRef color) {
  if (bitmap_ == nullptr || rect.IsEmpty()) return;
  const uint32_t value = raster::PixelValue(bitmap_->format(), color);
  const raster::ScaledTarget target = Target();
  // 64-bit edges: right - 1 and bottom - 1 cannot wrap, and a one-pixel-wide rectangle just paints twice.
  const int64_t left = rect.left;
  const int64_t top = rect.top;
  const int64_t right = rect.right;
  const int64_t bottom = rect.bottom;
  target.Fill(left, top, right, top + 1, value);
  target.Fill(left, bottom - 1, right, bottom, value);
  target.FillSides(left, right, top, bottom, value);
}

void DeviceContext::FrameSides(const Rect& rect, ColorRef color) {
  if (bitmap_ == nullptr || rect.IsEmpty()) return;
  Target().FillSides(rect.left, rect.right, rect.top, rect.bottom,
                     raster::PixelValue(bitmap_->format(), color));
}

void DeviceContext::SetPixelV(int32_t x, int32_t y, ColorRef color) {
  if (bitmap_ == nullptr || !DrawingBounds().Contains(x, y)) return;
  Target().Fill(x, y, int64_t{x} + 1, int64_t{y} + 1, raster::PixelValue(bitmap_->format(), color));
}

ColorRef DeviceContext::GetPixel(int32_t x, int32_t y) const {
  constexpr ColorRef kClrInvalid = 0xFFFFFFFF;
  if (bitmap_ == nullptr) return kClrInvalid;
  const int64_t device_x = int64_t{x} * scale_;
  const int64_t device_y = int64_t{y} * scale_;
  if (device_x < 0 || device_y < 0 || device_x >= bitmap_->width() || device_y >= bitmap_->height()) {
    return kClrInvalid;
  }
  const uint32_t pixel = bitmap_->Pixel(static_cast<int32_t>(device_x), static_cast<int32_t>(device_y));
  return raster::ColorOfPixel(bitmap_->format(), pixel);
}

}  // namespace vellumar
