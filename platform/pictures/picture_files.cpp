// LoadPicture, LoadPictureFromMemory and SavePicture: picture files to picture objects and back.
#include <string>
#include <string_view>
#include <utility>

#include "platform/errors/error_text.h"
#include "platform/files/atomic_write.h"
#include "platform/pictures/bmp_reader.h"
#include "platform/pictures/bmp_writer.h"
#include "platform/pictures/ico_reader.h"
#include "platform/pictures/icon_drawing.h"
#include "platform/pictures/picture.h"
#include "platform/pictures/picture_file_io.h"
#include "platform/pictures/picture_limits.h"
#include "platform/pictures/png_reader.h"

namespace vellumar {
namespace {

// An icon without its file is saved as a bitmap whose transparent parts carry the default mask colour, so
// that painting it with that mask keeps them transparent.
constexpr ColorRef kIconBackground = Rgb(255, 0, 255);

// Runs a decoder; a refusal that does not say why is told as damaged data of that format.
template <typename Decoder>
auto Decoded(std::string_view format, Decoder decode) {
  try {
    return decode();
  } catch (const HostError& error) {
    if (error.number() != kErrInvalidPicture || !error.detail().empty()) throw;
    pictures::ThrowInvalidPicture("damaged or unsupported " + std::string(format) + " data");
  }
}

// Takes the bytes so that the picture keeps them without a copy.
StdPictureRef DecodePicture(std::vector<uint8_t> bytes) {
  if (pictures::HasBmpSignature(bytes)) {
    Bitmap bitmap = Decoded("BMP", [&] { return pictures::DecodeBmp(bytes); });
    return StdPicture::FromBitmap(std::move(bitmap), std::move(bytes));
  }
  if (pictures::HasIcoSignature(bytes)) {
    IconImage icon = Decoded("ICO", [&] { return pictures::DecodeIco(bytes); });
    return StdPicture::FromIcon(std::move(icon), std::move(bytes));
  }
  if (pictures::HasPngSignature(bytes)) {
    Bitmap bitmap = Decoded("PNG", [&] { return pictures::RgbaToBitmap(pictures::DecodePng(bytes)); });
    return StdPicture::FromBitmap(std::move(bitmap), std::move(bytes));
  }
  pictures::ThrowInvalidPicture("not a BMP, ICO or PNG file");
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
  std::vector<uint8_t> bytes = pictures::ReadPictureFile(path);
  try {
    return DecodePicture(std::move(bytes));
  } catch (const HostError& error) {
    throw error.Within(PathExcerpt(path));
  }
}

StdPictureRef LoadPictureFromMemory(std::span<const uint8_t> bytes) {
  return DecodePicture(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

void SavePicture(const StdPicture& picture, const std::string& path) {
  switch (picture.Type()) {
    case PictureType::kBitmap:
      if (picture.bitmap().empty()) pictures::ThrowInvalidPicture();
      WriteFileAtomically(path,
                          [&picture](const ByteSink& sink) { pictures::WriteBmpTo(picture.bitmap(), sink); });
      return;
    case PictureType::kIcon:
      WriteFileAtomically(path, IconFileBytes(picture));
      return;
    default:
      pictures::ThrowInvalidPicture();
  }
}

}  // namespace vellumar
