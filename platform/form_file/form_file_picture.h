// Pictures in form files: the file bytes that store a picture object and the picture read back from them,
// under a budget that bounds the pixels one form may decode.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form_file/picture_budget.h"
#include "platform/pictures/picture.h"

namespace vellumar::form_file {

// How a picture is stored: its kind ("bitmap", "icon" or "none") and, unless none, the file format ("bmp",
// "ico" or "png") and the file bytes.
struct StoredPicture {
  std::string kind;
  std::string format;
  std::vector<uint8_t> bytes;
};

// The bytes the picture was read from, or, for a picture made in memory, a BMP file (bitmaps) or an ICO file
// (icons, so that an icon stays an icon). Throws HostError 481 for other picture types, for a bitmap larger
// than a picture file may describe and for an icon that no icon file can describe.
StoredPicture StorePicture(const StdPicture& picture);

// The picture the stored form describes, charged to budget: decoding stops once the budget is spent, so that
// a small file cannot make the reader inflate picture after picture. Throws HostError 481 when the bytes are
// no picture of the stated format and kind (the picture readers' own limits apply), 7 beyond the budget.
StdPictureRef RestorePicture(std::string_view kind, std::string_view format, std::span<const uint8_t> bytes,
                             PictureBudget& budget);

// An ICO file with one entry: 24-bit colours, or 32-bit when the icon has an alpha channel, and the AND mask.
// Throws HostError 481 when the icon is empty, larger than 256 pixels a side, or its mask or alpha does not
// match its size.
std::vector<uint8_t> EncodeIco(const IconImage& icon);

}  // namespace vellumar::form_file
