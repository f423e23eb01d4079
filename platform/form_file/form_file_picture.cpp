#include "platform/form_file/form_file_picture.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/errors/error_text.h"
#include "platform/errors/host_error.h"

namespace vellumar::form_file {
namespace {

constexpr std::string_view kKindBitmap = "bitmap";
constexpr std::string_view kKindIcon = "icon";
constexpr std::string_view kKindNone = "none";
constexpr std::string_view kFormatBmp = "bmp";
constexpr std::string_view kFormatIco = "ico";
constexpr std::string_view kFormatPng = "png";

constexpr int32_t kMaxIconSide = 256;
constexpr uint16_t kIconResourceType = 1;
constexpr uint32_t kIconDirectorySize = 6 + 16;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint16_t kBitsOpaque = 24;
constexpr uint16_t kBitsWithAlpha = 32;

[[noreturn]] void ThrowInvalidPicture(const std::string& why) {
  throw HostError::WithDetail(kErrInvalidPicture, why);
}

// The format the bytes announce by their signature, or "" for none of the three.
std::string_view SignatureFormat(std::span<const uint8_t> bytes) {
  static constexpr std::array<uint8_t, 8> kPng = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return kFormatBmp;
  if (bytes.size() >= 4 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0)
    return kFormatIco;
  if (bytes.size() >= kPng.size() && std::equal(kPng.begin(), kPng.end(), bytes.begin())) return kFormatPng;
  return "";
}

class LittleEndianWriter {
 public:
  explicit LittleEndianWriter(size_t capacity) { bytes_.reserve(capacity); }
  void U8(uint32_t v) { bytes_.push_back(static_cast<uint8_t>(v)); }
  void U16(uint32_t v) {
    U8(v);
    U8(v >> 8);
  }
  void U32(uint32_t v) {
    U16(v);
    U16(v >> 16);
  }
  void Pad(size_t count) { bytes_.resize(bytes_.size() + count, 0); }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

uint32_t RowStride(int32_t width, uint32_t bits) {
  return (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
}

void WriteColorRows(const IconImage& icon, uint16_t bits, LittleEndianWriter& out) {
  const int32_t width = icon.color.width();
  const uint32_t used = static_cast<uint32_t>(width) * bits / 8;
  for (int32_t y = icon.color.height() - 1; y >= 0; --y) {
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t color = icon.color.Pixel(x, y);  // 0x00BBGGRR
      out.U8(color >> 16);
      out.U8(color >> 8);
      out.U8(color);
      if (bits == kBitsWithAlpha) out.U8(icon.alpha[static_cast<size_t>(y) * static_cast<size_t>(width) + x]);
    }
    out.Pad(RowStride(width, bits) - used);
  }
}

void WriteMaskRows(const IconImage& icon, LittleEndianWriter& out) {
  const int32_t width = icon.mask.width();
  for (int32_t y = icon.mask.height() - 1; y >= 0; --y) {
    uint32_t written = 0;
    for (int32_t x0 = 0; x0 < width; x0 += 8) {
      uint32_t byte = 0;
      for (int32_t x = x0; x < std::min(x0 + 8, width); ++x) {
        if (icon.mask.Pixel(x, y) != 0) byte |= 0x80U >> (x - x0);
      }
      out.U8(byte);
      ++written;
    }
    out.Pad(RowStride(width, 1) - written);
  }
}

bool FitsIconFile(const IconImage& icon) {
  const Bitmap& color = icon.color;
  const size_t pixels = static_cast<size_t>(color.width()) * static_cast<size_t>(color.height());
  return !color.empty() && color.width() <= kMaxIconSide && color.height() <= kMaxIconSide &&
         icon.mask.width() == color.width() && icon.mask.height() == color.height() &&
         (icon.alpha.empty() || icon.alpha.size() == pixels);
}

}  // namespace

std::vector<uint8_t> EncodeIco(const IconImage& icon) {
  if (!FitsIconFile(icon)) ThrowInvalidPicture("no icon file can describe this icon");
  const int32_t width = icon.color.width();
  const int32_t height = icon.color.height();
  const uint16_t bits = icon.alpha.empty() ? kBitsOpaque : kBitsWithAlpha;
  const uint32_t image_size = (RowStride(width, bits) + RowStride(width, 1)) * static_cast<uint32_t>(height);
  LittleEndianWriter out(kIconDirectorySize + kInfoHeaderSize + image_size);
  out.U16(0);
  out.U16(kIconResourceType);
  out.U16(1);
  out.U8(width == kMaxIconSide ? 0 : width);  // 0 stands for 256
  out.U8(height == kMaxIconSide ? 0 : height);
  out.U8(0);  // no palette
  out.U8(0);
  out.U16(1);  // planes
  out.U16(bits);
  out.U32(kInfoHeaderSize + image_size);
  out.U32(kIconDirectorySize);
  out.U32(kInfoHeaderSize);
  out.U32(static_cast<uint32_t>(width));
  out.U32(static_cast<uint32_t>(height) * 2);  // colour image and mask, one above the other
  out.U16(1);
  out.U16(bits);
  out.U32(0);  // uncompressed
  out.U32(image_size);
  out.Pad(16);  // resolution and palette counts, all zero
  WriteColorRows(icon, bits, out);
  WriteMaskRows(icon, out);
  return out.Take();
}

StoredPicture StorePicture(const StdPicture& picture) {
  const std::vector<uint8_t>& file = picture.file_bytes();
  const std::string_view file_format = SignatureFormat(file);
  switch (picture.Type()) {
    case PictureType::kNone:
      return {std::string(kKindNone), "", {}};
    case PictureType::kBitmap:
      if (file_format == kFormatBmp || file_format == kFormatPng) {
        return {std::string(kKindBitmap), std::string(file_format), file};
      }
      if (picture.bitmap().empty()) ThrowInvalidPicture("an empty bitmap cannot be stored");
      if (int64_t{picture.bitmap().width()} * picture.bitmap().height() > kMaxPicturePixels) {
        ThrowInvalidPicture("a bitmap of more than " + std::to_string(kMaxPicturePixels) +
                            " pixels cannot be stored");
      }
      return {std::string(kKindBitmap), std::string(kFormatBmp), EncodeBmp(picture.bitmap())};
    case PictureType::kIcon:
      if (file_format == kFormatIco) return {std::string(kKindIcon), std::string(kFormatIco), file};
      return {std::string(kKindIcon), std::string(kFormatIco), EncodeIco(picture.icon())};
    default:
      ThrowInvalidPicture("a picture of type " + std::to_string(static_cast<int>(picture.Type())) +
                          " cannot be stored");
  }
}

StdPictureRef RestorePicture(std::string_view kind, std::string_view format, std::span<const uint8_t> bytes,
                             PictureBudget& budget) {
  if (kind == kKindNone) return StdPicture::OfType(PictureType::kNone, 0, 0);
  const bool bitmap = kind == kKindBitmap;
  if (!bitmap && kind != kKindIcon) ThrowInvalidPicture("unknown kind " + Quoted(kind));
  if (format != kFormatBmp && format != kFormatIco && format != kFormatPng) {
    ThrowInvalidPicture("unknown format " + Quoted(format));
  }
  if (SignatureFormat(bytes) != format)
    ThrowInvalidPicture("the data is not a " + std::string(format) + " file");
  if (bitmap == (format == kFormatIco)) {
    ThrowInvalidPicture("a " + std::string(format) + " file does not hold a " + std::string(kind));
  }
  budget.CheckRoom();
  StdPictureRef picture = LoadPictureFromMemory(bytes);
  budget.Charge(picture.get());
  return picture;
}

}  // namespace vellumar::form_file
