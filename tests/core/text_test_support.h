// A white canvas with a device context for the text tests, and the measurements they compare pixels by.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/drawing/device_context.h"
#include "platform/drawing/text.h"
#include "platform/geometry.h"
#include "platform/raster/bitmap.h"
#include "platform/text/std_font.h"

namespace vellumar::testing {

inline constexpr ColorRef kPaper = 0xFFFFFF;
inline constexpr ColorRef kInk = 0x000000;

inline StdFontRef MakeFont(std::string name, double points, bool bold = false) {
  auto font = std::make_shared<StdFont>();
  font->SetName(std::move(name));
  font->SetSize(points);
  font->SetBold(bold);
  return font;
}

class TextCanvas {
 public:
  explicit TextCanvas(int32_t width = 200, int32_t height = 80,
                      StdFontRef font = MakeFont("MS Sans Serif", 8))
      : bitmap_(width, height), dc_(&bitmap_) {
    Clear();
    dc_.SelectFont(std::move(font));
    dc_.SetTextColor(kInk);
  }

  void Clear() {
    for (uint32_t& pixel : bitmap_.pixels()) pixel = kPaper;
  }
  int32_t Draw(std::string_view text, Rect rect, uint32_t format = kDtLeft, int32_t length = -1) {
    return DrawTextA(dc_, text, length, rect, format);
  }
  // The rectangle DT_CALCRECT gives for text laid out from rect.
  Rect Measure(std::string_view text, Rect rect = {0, 0, 10000, 1000}, uint32_t format = kDtLeft) {
    DrawTextA(dc_, text, -1, rect, format | kDtCalcRect);
    return rect;
  }
  int32_t WidthOf(std::string_view text) {
    const Rect r = Measure(text, {0, 0, 10000, 1000}, kDtSingleLine | kDtNoPrefix);
    return r.right - r.left;
  }

  bool IsInk(int32_t x, int32_t y) const { return bitmap_.Pixel(x, y) != kPaper; }
  // Smallest rectangle around every pixel that is no longer paper; empty when nothing was drawn.
  Rect InkBounds() const { return InkBoundsIn({0, 0, bitmap_.width(), bitmap_.height()}); }
  Rect InkBoundsIn(const Rect& area) const {
    Rect bounds{area.right, area.bottom, area.left, area.top};
    for (int32_t y = area.top; y < area.bottom; ++y) {
      for (int32_t x = area.left; x < area.right; ++x) {
        if (!IsInk(x, y)) continue;
        bounds = Rect{std::min(bounds.left, x), std::min(bounds.top, y), std::max(bounds.right, x + 1),
                      std::max(bounds.bottom, y + 1)};
      }
    }
    return bounds.IsEmpty() ? Rect{} : bounds;
  }
  bool HasInk() const { return !InkBounds().IsEmpty(); }

  Bitmap& bitmap() { return bitmap_; }
  const Bitmap& bitmap() const { return bitmap_; }
  DeviceContext& dc() { return dc_; }

 private:
  Bitmap bitmap_;
  DeviceContext dc_;
};

// The ink of text drawn alone at the top-left of a fresh canvas of the same size.
inline Bitmap Rendered(std::string_view text, Rect rect, uint32_t format, StdFontRef font,
                       int32_t width = 200, int32_t height = 80) {
  TextCanvas canvas(width, height, std::move(font));
  canvas.Draw(text, rect, format);
  return canvas.bitmap();
}

}  // namespace vellumar::testing
