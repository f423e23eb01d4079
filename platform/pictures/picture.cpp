#include "platform/pictures/picture.h"

#include <cstdlib>
#include <utility>

#include "platform/errors/host_error.h"
#include "platform/geometry.h"
#include "platform/pictures/ico_reader.h"
#include "platform/pictures/icon_drawing.h"

namespace vellumar {
namespace {

constexpr int64_t kHimetricPerInch = 2540;
constexpr int64_t kDotsPerInch = 96;
constexpr ColorRef kBlack = 0;

}  // namespace

int32_t PixelsToHimetric(int32_t pixels) {
  const int64_t scaled = int64_t{pixels} * kHimetricPerInch;
  const int64_t rounded = (std::llabs(scaled) + kDotsPerInch / 2) / kDotsPerInch;
  return SaturateToInt32(scaled < 0 ? -rounded : rounded);
}

std::shared_ptr<StdPicture> StdPicture::FromBitmap(Bitmap bitmap, std::vector<uint8_t> file_bytes) {
  auto picture = std::make_shared<StdPicture>();
  picture->type_ = PictureType::kBitmap;
  picture->width_himetric_ = PixelsToHimetric(bitmap.width());
  picture->height_himetric_ = PixelsToHimetric(bitmap.height());
  picture->bitmap_ = std::move(bitmap);
  picture->file_bytes_ = std::move(file_bytes);
  return picture;
}

// An icon's bitmap is what drawing it at the standard size on black gives, as an icon handle's colour image.
std::shared_ptr<StdPicture> StdPicture::FromIcon(IconImage icon, std::vector<uint8_t> file_bytes) {
  auto picture = std::make_shared<StdPicture>();
  picture->type_ = PictureType::kIcon;
  picture->width_himetric_ = PixelsToHimetric(icon.color.width());
  picture->height_himetric_ = PixelsToHimetric(icon.color.height());
  if (!icon.color.empty()) {
    picture->bitmap_ = pictures::IconOnBackground(icon, kStandardIconSize, kStandardIconSize, kBlack);
  }
  picture->icon_ = std::move(icon);
  picture->file_bytes_ = std::move(file_bytes);
  return picture;
}

const IconImage& StdPicture::IconFor(int32_t side) const {
  if (type_ != PictureType::kIcon || side <= kStandardIconSize || file_bytes_.empty()) return icon_;
  if (large_side_ != side) {
    large_side_ = side;
    large_icon_ = IconImage{};
    try {
      IconImage entry = pictures::DecodeIco(file_bytes_, side);
      if (entry.color.width() > icon_.color.width() && entry.color.height() > icon_.color.height()) {
        large_icon_ = std::move(entry);
      }
    } catch (const HostError&) {
      // A damaged larger entry leaves the entry already decoded, which drew before and draws now.
    }
  }
  return large_icon_.color.empty() ? icon_ : large_icon_;
}

std::shared_ptr<StdPicture> StdPicture::OfType(PictureType type, int32_t width_px, int32_t height_px) {
  auto picture = std::make_shared<StdPicture>();
  picture->type_ = type;
  picture->width_himetric_ = PixelsToHimetric(width_px);
  picture->height_himetric_ = PixelsToHimetric(height_px);
  return picture;
}

}  // namespace vellumar
