// picTemp and the icon-to-bitmap conversion through a temporary bitmap file.
#include "control/icon_conversion.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/drawing/device_context.h"
#include "platform/drawing/draw_icon.h"
#include "platform/files/file_services.h"
#include "platform/files/temp_file.h"

namespace vellumar {
namespace {

constexpr ColorRef kBlack = 0x000000;
constexpr ColorRef kWhite = 0xFFFFFF;

// Copies the top-left part of a bitmap that fits into the image.
void CopyInto(Bitmap& image, const Bitmap& source) {
  const int32_t width = std::min(image.width(), source.width());
  const int32_t height = std::min(image.height(), source.height());
  const bool mono = source.format() == PixelFormat::kMono1;
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t pixel = source.Pixel(x, y);
      image.SetPixel(x, y, mono ? (pixel != 0 ? kWhite : kBlack) : pixel);
    }
  }
}

}  // namespace

HiddenPictureBox::HiddenPictureBox() : image_(kSize, kSize) {
  Redraw();
}

void HiddenPictureBox::SetPicture(StdPictureRef picture) {
  picture_ = std::move(picture);
  Redraw();
}

void HiddenPictureBox::Redraw() {
  std::fill(image_.pixels().begin(), image_.pixels().end(), kBackColor);
  if (!picture_) return;
  if (picture_->Type() == PictureType::kIcon) {
    DeviceContext dc(&image_);
    DrawIcon(dc, 0, 0, *picture_);
  } else if (picture_->Type() == PictureType::kBitmap) {
    CopyInto(image_, picture_->bitmap());
  }
}

StdPictureRef HiddenPictureBox::Image() const {
  return StdPicture::FromBitmap(image_);
}

StdPictureRef ConvertIconToBitmap(HiddenPictureBox& picTemp, const StdPictureRef& picture) {
  if (!picture || picture->Type() != PictureType::kIcon) return picture;
  picTemp.SetPicture(nullptr);
  TempBitmapFile file;
  picTemp.SetPicture(picture);
  SavePicture(*picTemp.Image(), file.path());
  StdPictureRef result = picture;
  if (FileExists(file.path())) {
    picTemp.SetPicture(LoadPicture(file.path()));
    result = picTemp.Picture();
  }
  file.Delete();
  return result;
}

}  // namespace vellumar
