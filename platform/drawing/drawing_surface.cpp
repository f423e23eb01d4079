#include "platform/drawing/drawing_surface.h"

#include <memory>
#include <string>
#include <utility>

#include "platform/errors/host_error.h"

namespace vellumar {
namespace {

constexpr float kHimetricPerInch = 2540;
constexpr const char* kFormFontName = "MS Sans Serif";
constexpr double kFormFontPoints = 8;

}  // namespace

DrawingSurface::DrawingSurface() : dc_(&image_), font_(std::make_shared<StdFont>()) {
  dc_.SelectFont(font_);
}

void DrawingSurface::Resize(int32_t width, int32_t height, int32_t scale) {
  if (scale < 1 || scale > DeviceContext::kMaxScale) {
    throw HostError::WithDetail(kErrInvalidArgument, "scale " + std::to_string(scale) + " is not 1 to " +
                                                         std::to_string(DeviceContext::kMaxScale));
  }
  const std::string size = std::to_string(width) + " x " + std::to_string(height);
  if (width < 0 || height < 0) {
    throw HostError::WithDetail(kErrOutOfMemory, "surface of " + size + " pixels has a negative side");
  }
  const std::string at_scale = scale > 1 ? " at scale " + std::to_string(scale) : "";
  const int64_t device_width = int64_t{width} * scale;
  const int64_t device_height = int64_t{height} * scale;
  // Divided rather than multiplied: two sides of up to 2^33 device pixels would overflow the product.
  if (device_width > 0 && device_height > Bitmap::kMaxPixels / device_width) {
    throw HostError::WithDetail(
        kErrOutOfMemory, "surface of " + size + " pixels" + at_scale + " is larger than the host can hold");
  }
  image_ = Bitmap(static_cast<int32_t>(device_width), static_cast<int32_t>(device_height));
  dc_.SelectBitmap(&image_);
  dc_.SetScale(scale);
  width_ = width;
  height_ = height;
  MarkChanged();
}

void DrawingSurface::SetBackColor(OleColor color) {
  if (color != back_color_) ++serial_;
  back_color_ = color;
}

void DrawingSurface::SetFont(StdFontRef font) {
  font_ = font ? std::move(font) : std::make_shared<StdFont>();
  dc_.SelectFont(font_);
}

void DrawingSurface::Cls() {
  ColorRef color = 0;
  if (!OleTranslateColor(back_color_, color)) color = 0;
  // The raster layer's fill clears a whole surface at memset speed; an element-wise fill costs twice that.
  dc_.FillRect(Rect{0, 0, width_, height_}, color);
  ++serial_;
  damage_.Add(dc_.DrawingBounds());
}

void DrawingSurface::MarkChanged() {
  ++serial_;
  damage_.Add(Rect{0, 0, width_, height_});
}

DamageRegion DrawingSurface::TakeDamage() {
  return std::exchange(damage_, DamageRegion{});
}

DamageRegion DrawingSurface::TakeDeviceDamage() {
  DamageRegion device;
  const int32_t s = scale();
  const Rect image{0, 0, image_.width(), image_.height()};
  const DamageRegion logical = TakeDamage();
  // Damage lies within the logical size, whose products with the scale fit the image.
  for (const Rect& r : logical.rects()) {
    device.Add(Intersect(Rect{r.left * s, r.top * s, r.right * s, r.bottom * s}, image));
  }
  return device;
}

float DrawingSurface::HimetricToPixels(float himetric) {
  return himetric * kPixelsPerInch / kHimetricPerInch;
}

StdFontRef DrawingSurface::FormFont() {
  auto font = std::make_shared<StdFont>();
  font->SetName(kFormFontName);
  font->SetSize(kFormFontPoints);
  return font;
}

}  // namespace vellumar
