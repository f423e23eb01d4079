#include "platform/drawing_surface.h"

#include <memory>
#include <string>
#include <utility>

#include "platform/host_error.h"

namespace vellumar {
namespace {

constexpr float kHimetricPerInch = 2540;
constexpr const char* kFormFontName = "MS Sans Serif";
constexpr double kFormFontPoints = 8;

}  // namespace

DrawingSurface::DrawingSurface() : dc_(&image_), font_(std::make_shared<StdFont>()) {
  dc_.SelectFont(font_);
}

void DrawingSurface::Resize(int32_t width, int32_t height) {
  const std::string size = std::to_string(width) + " x " + std::to_string(height);
  if (width < 0 || height < 0) {
    throw HostError::WithDetail(kErrOutOfMemory, "surface of " + size + " pixels has a negative side");
  }
  if (int64_t{width} * height > Bitmap::kMaxPixels) {
    throw HostError::WithDetail(kErrOutOfMemory, "surface of " + size + " pixels is larger than the host can hold");
  }
  image_ = Bitmap(width, height);
  dc_.SelectBitmap(&image_);
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
  dc_.FillRect(Rect{0, 0, image_.width(), image_.height()}, color);
  ++serial_;
  damage_.Add(dc_.DrawingBounds());
}

void DrawingSurface::MarkChanged() {
  ++serial_;
  damage_.Add(Rect{0, 0, image_.width(), image_.height()});
}

DamageRegion DrawingSurface::TakeDamage() {
  return std::exchange(damage_, DamageRegion{});
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
