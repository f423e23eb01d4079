#include "platform/device_context.h"

#include <utility>

#include "platform/raster_line.h"
#include "platform/raster_pixels.h"

namespace vellumar {

Bitmap* DeviceContext::SelectBitmap(Bitmap* bitmap) {
  return std::exchange(bitmap_, bitmap);
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
  raster::DrawClippedLine(*bitmap_, DrawingBounds(), from, position_, pen_.width,
                          raster::PixelValue(bitmap_->format(), pen_.color));
}

void DeviceContext::FillRect(const Rect& rect, ColorRef color) {
  if (bitmap_ == nullptr || rect.IsEmpty()) return;
  raster::FillClipped(*bitmap_, DrawingBounds(), rect.left, rect.top, rect.right, rect.bottom,
                      raster::PixelValue(bitmap_->format(), color));
}

void DeviceContext::FrameRect(const Rect& rect, ColorRef color) {
  if (bitmap_ == nullptr || rect.IsEmpty()) return;
  const uint32_t value = raster::PixelValue(bitmap_->format(), color);
  const Rect bounds = DrawingBounds();
  // 64-bit edges: right - 1 and bottom - 1 cannot wrap, and a one-pixel-wide rectangle just paints twice.
  const int64_t left = rect.left;
  const int64_t top = rect.top;
  const int64_t right = rect.right;
  const int64_t bottom = rect.bottom;
  raster::FillClipped(*bitmap_, bounds, left, top, right, top + 1, value);
  raster::FillClipped(*bitmap_, bounds, left, bottom - 1, right, bottom, value);
  raster::FillClipped(*bitmap_, bounds, left, top, left + 1, bottom, value);
  raster::FillClipped(*bitmap_, bounds, right - 1, top, right, bottom, value);
}

void DeviceContext::SetPixelV(int32_t x, int32_t y, ColorRef color) {
  if (bitmap_ == nullptr || !DrawingBounds().Contains(x, y)) return;
  bitmap_->SetPixel(x, y, raster::PixelValue(bitmap_->format(), color));
}

ColorRef DeviceContext::GetPixel(int32_t x, int32_t y) const {
  constexpr ColorRef kClrInvalid = 0xFFFFFFFF;
  if (bitmap_ == nullptr || !bitmap_->Contains(x, y)) return kClrInvalid;
  return raster::ColorOfPixel(bitmap_->format(), bitmap_->Pixel(x, y));
}

}  // namespace vellumar
