// The standard picture object: a bitmap or an icon, with its size in HIMETRIC, and the picture files.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/raster/bitmap.h"

namespace vellumar {

enum class PictureType : int16_t { kNone = 0, kBitmap = 1, kMetafile = 2, kIcon = 3, kEnhMetafile = 4 };

// Pixels at 96 dpi to HIMETRIC (hundredths of a millimetre), rounded: 32 px = 847, 16 px = 423.
int32_t PixelsToHimetric(int32_t pixels);

// An icon image: colour pixels, an AND mask (1 = transparent) and, for icons with an alpha channel, the alpha
// of each pixel (empty otherwise).
struct IconImage {
  Bitmap color;
  Bitmap mask;                 // kMono1, same size as color
  std::vector<uint8_t> alpha;  // width * height values, or empty
};

class StdPicture {
 public:
  PictureType Type() const { return type_; }
  int32_t Width() const { return width_himetric_; }    // HIMETRIC
  int32_t Height() const { return height_himetric_; }  // HIMETRIC

  // For kBitmap: the picture's bitmap. For kIcon: the icon entry drawn at the standard icon size.
  const Bitmap& bitmap() const { return bitmap_; }
  const IconImage& icon() const { return icon_; }
  // For kIcon: the image to draw the icon at side x side pixels from, the file's entry nearest that size
  // when it is larger than icon(), otherwise icon(). The entry is decoded once and kept until another side
  // is asked for (pictures are used from the UI thread only).
  const IconImage& IconFor(int32_t side) const;
  // The bytes of the file the picture was read from (what persistence stores), empty when made in memory.
  const std::vector<uint8_t>& file_bytes() const { return file_bytes_; }

  static std::shared_ptr<StdPicture> FromBitmap(Bitmap bitmap, std::vector<uint8_t> file_bytes = {});
  static std::shared_ptr<StdPicture> FromIcon(IconImage icon, std::vector<uint8_t> file_bytes = {});
  // A picture of a type that is neither bitmap nor icon (a metafile stand-in), of the given pixel size.
  static std::shared_ptr<StdPicture> OfType(PictureType type, int32_t width_px, int32_t height_px);

 private:
  PictureType type_ = PictureType::kNone;
  int32_t width_himetric_ = 0;
  int32_t height_himetric_ = 0;
  Bitmap bitmap_;
  IconImage icon_;
  std::vector<uint8_t> file_bytes_;
  mutable int32_t large_side_ = 0;  // the side large_icon_ was chosen for, 0 for none yet
  mutable IconImage large_icon_;    // empty when the file has nothing larger than icon_
};

using StdPictureRef = std::shared_ptr<StdPicture>;

// The largest picture a file may describe, in pixels; larger claims are refused with error 481.
inline constexpr int64_t kMaxPicturePixels = int64_t{1} << 24;

// Reads a BMP, ICO or PNG file. Throws HostError with the path and the reason after the description: 53 when
// the file does not exist, 481 when it is no picture (or a damaged or oversized one), 75 when it cannot be
// read.
StdPictureRef LoadPicture(const std::string& path);
// Reads picture bytes (BMP, ICO or PNG, told apart by their signature). Throws HostError 481 for anything
// else.
StdPictureRef LoadPictureFromMemory(std::span<const uint8_t> bytes);

// Writes a bitmap picture as a BMP file (24 bits); an icon picture as its original ICO bytes, or as the BMP
// of its image when it has none, all at once and through a symbolic link as WriteFileAtomically does. Throws
// HostError 481 for a picture of another type, and WriteFileAtomically's errors when writing fails.
void SavePicture(const StdPicture& picture, const std::string& path);
// The BMP file bytes of a colour bitmap (24 bits per pixel, bottom-up).
std::vector<uint8_t> EncodeBmp(const Bitmap& bitmap);

// Writes a colour bitmap as an 8-bit RGB PNG file of any size a bitmap may have, as WriteFileAtomically does
// and with its errors; 481 for an empty bitmap, 7 when memory runs out.
void WritePng(const Bitmap& bitmap, const std::string& path);

// The system's standard icon size in pixels.
inline constexpr int32_t kStandardIconSize = 32;

}  // namespace vellumar
