// Transparent painting of bitmaps and icons. The composition is done pixel by pixel (see
// transparent_compose.h) so that no buffer of the caller's width x height is ever allocated.
#include "render/image_manipulation.h"

#include <algorithm>

#include "platform/drawing/draw_icon.h"
#include "render/transparent_compose.h"

namespace vellumar {
namespace {

// An untranslatable mask colour leaves the result at its initial 0, so black is the mask then.
ColorRef TranslateMask(OleColor mask) {
  ColorRef rgb = 0;
  OleTranslateColor(mask, rgb);
  return rgb;
}

void PaintIcon(DeviceContext& dest, const StdPicture& icon, int32_t x_dest, int32_t y_dest, int32_t width,
               int32_t height, int32_t x_src, int32_t y_src, ColorRef mask) {
  if (width <= 0 || height <= 0) return;
  // Only the corner the icon is drawn into differs from the mask colour; the rest of the width x height
  // buffer is the backdrop, so the scratch bitmap never needs to be larger than the icon. The tile is drawn
  // at the destination's scale, from the icon's image for that size.
  const int32_t scale = dest.scale();
  Bitmap tile(std::min(width, kStandardIconSize) * scale, std::min(height, kStandardIconSize) * scale);
  std::fill(tile.pixels().begin(), tile.pixels().end(), mask);
  DeviceContext tile_dc(&tile);
  tile_dc.SetScale(scale);
  DrawIcon(tile_dc, 0, 0, icon);

  TransparentSource source;
  source.bitmap = &tile;
  source.backdrop =
      Rect{0, 0, SaturateToInt32(int64_t{width} * scale), SaturateToInt32(int64_t{height} * scale)};
  source.backdrop_color = mask;
  ComposeTransparent(dest.bitmap(), dest.DeviceBounds(), x_dest, y_dest, width, height, source, x_src, y_src,
                     mask, ComposeScale{scale, scale});
}

}  // namespace

void cImageManipulation::PaintTransparentDC(DeviceContext& dest, int32_t x_dest, int32_t y_dest,
                                            int32_t width, int32_t height, const DeviceContext& src,
                                            int32_t x_src, int32_t y_src, OleColor mask,
                                            int32_t /*palette*/) {
  TransparentSource source;
  source.bitmap = src.bitmap();
  source.zero_color = src.GetTextColor();
  source.one_color = src.GetBkColor();
  ComposeTransparent(dest.bitmap(), dest.DeviceBounds(), x_dest, y_dest, width, height, source, x_src, y_src,
                     TranslateMask(mask), ComposeScale{dest.scale(), src.scale()});
}

void cImageManipulation::PaintTransparentPicture(DeviceContext& dest, const StdPicture* picture,
                                                 int32_t x_dest, int32_t y_dest, int32_t width,
                                                 int32_t height, int32_t x_src, int32_t y_src, OleColor mask,
                                                 int32_t /*palette*/) {
  if (picture == nullptr) return;
  const ColorRef mask_rgb = TranslateMask(mask);
  switch (picture->Type()) {
    case PictureType::kBitmap: {
      // The picture's bitmap sits in a fresh memory context, whose colours are black text on white.
      TransparentSource source;
      source.bitmap = &picture->bitmap();
      ComposeTransparent(dest.bitmap(), dest.DeviceBounds(), x_dest, y_dest, width, height, source, x_src,
                         y_src, mask_rgb, ComposeScale{dest.scale(), 1});
      break;
    }
    case PictureType::kIcon:
      PaintIcon(dest, *picture, x_dest, y_dest, width, height, x_src, y_src, mask_rgb);
      break;
    default:
      break;
  }
}

}  // namespace vellumar
