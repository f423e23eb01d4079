// The hidden picture box picTemp and the conversion of icon pictures into bitmap pictures through a
// temporary bitmap file.
#pragma once

#include <cstdint>

#include "platform/ole_color.h"
#include "platform/pictures/picture.h"
#include "platform/raster/bitmap.h"

namespace vellumar {

// A borderless picture box whose persistent image shows its picture over its background colour. The
// background equals the default mask colour, so that the transparent parts of an icon stay transparent when
// the converted bitmap is painted with the default mask.
class HiddenPictureBox {
 public:
  static constexpr int32_t kSize = kStandardIconSize;  // width and height of the image in pixels
  static constexpr ColorRef kBackColor = 0x00FF00FF;

  HiddenPictureBox();

  const StdPictureRef& Picture() const { return picture_; }
  // Replaces the picture and redraws the image: the background, then the picture at the top-left corner.
  void SetPicture(StdPictureRef picture);
  // The persistent image as a new bitmap picture.
  StdPictureRef Image() const;

 private:
  void Redraw();

  StdPictureRef picture_;
  Bitmap image_;
};

// An icon comes back as a new bitmap picture (the icon drawn on picTemp's background, saved to a temporary
// bitmap file and loaded again); every other picture, and none, comes back unchanged. Errors of the
// temporary file, saving, loading or deleting pass to the caller; the temporary file never stays behind.
StdPictureRef ConvertIconToBitmap(HiddenPictureBox& picTemp, const StdPictureRef& picture);

}  // namespace vellumar
