// LoadPicture, LoadPictureFromMemory and SavePicture: picture files to picture objects and back.
#include <utility>

#include "platform/bmp_reader.h"
#include "platform/form_file_atomic.h"
#include "platform/ico_reader.h"
#include "platform/icon_drawing.h"
#include "platform/picture.h"
#include "platform/picture_file_io.h"
#include "platform/picture_limits.h"
#include "platform/png_reader.h"

namespace vellumar {
namespace {

// An icon without its file is saved as a bitmap whose transparent parts carry the default mask colour, so
// that painting it with that mask keeps them transparent.
constexpr ColorRef kIconBackground = Rgb(255, 0, 255);

// Takes the bytes so that the picture keeps them without a copy.
StdPictureRef DecodePicture(std::vector<uint8_t> bytes) {
  if (pictures::HasBmpSignature(bytes)) {
    Bitmap bitmap = pictures::DecodeBmp(bytes);
    return StdPicture::FromBitmap(std::move(bitmap), std::move(bytes));
  }
  if (pictures::HasIcoSignature(bytes)) {
    IconImage icon = pictures::DecodeIco(bytes);
    return StdPicture::FromIcon(std::move(icon), std::move(bytes));
  }
  if (pictures::HasPngSignature(bytes)) {
    Bitmap bitmap = pictures::RgbaToBitmap(pictures::DecodePng(bytes));
    return StdPicture::FromBitmap(std::move(bitmap), std::move(bytes));
  }
  pictures::ThrowInvalidPicture();
}

std::vector<uint8_t> IconFileBytes(const StdPicture& picture) {
  if (!picture.file_bytes().empty()) return picture.file_bytes();
  const Bitmap& color = picture.icon().color;
  if (color.empty()) pictures::ThrowInvalidPicture();
  return EncodeBmp(
      pictures::IconOnBackground(picture.icon(), color.width(), color.height(), kIconBackground));
}

}  // namespace

StdPictureRef LoadPicture(const std::string& path) {
  return DecodePicture(pictures::ReadPictureFile(path));
}

StdPictureRef LoadPictureFromMemory(std::span<const uint8_t> bytes) {
  return DecodePicture(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

void SavePicture(const StdPicture& picture, const std::string& path) {
  switch (picture.Type()) {
    case PictureType::kBitmap:
      if (picture.bitmap().empty()) pictures::ThrowInvalidPicture();
      WriteFileAtomically(path, EncodeBmp(picture.bitmap()));
      return;
    case PictureType::kIcon:
      WriteFileAtomically(path, IconFileBytes(picture));
      return;
    default:
      pictures::ThrowInvalidPicture();
  }
}

}  // namespace vellumar
