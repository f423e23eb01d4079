#include "platform/pictures/bmp_reader.h"

#include "platform/pictures/byte_reader.h"
#include "platform/pictures/dib_reader.h"
#include "platform/pictures/rle_decoder.h"

namespace vellumar::pictures {
namespace {

constexpr size_t kFileHeaderSize = 14;

}  // namespace

bool HasBmpSignature(std::span<const uint8_t> bytes) {
  return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

Bitmap DecodeBmp(std::span<const uint8_t> file) {
  if (!HasBmpSignature(file)) ThrowInvalidPicture();
  ByteReader reader(file);
  reader.Skip(10);  // signature, file size, reserved words
  const uint32_t pixel_offset = reader.U32();
  const DibHeader header = ReadDibHeader(reader);
  const std::vector<ColorRef> palette = ReadPalette(reader, header);
  if (pixel_offset < kFileHeaderSize + header.header_size || pixel_offset > file.size()) {
    ThrowInvalidPicture();
  }
  std::span<const uint8_t> pixels = file.subspan(pixel_offset);
  if (header.compression == kBiRle8 || header.compression == kBiRle4) {
    return DecodeRle(header, palette, pixels);
  }
  return DecodeDibPixels(header, palette, pixels);
}

}  // namespace vellumar::pictures
