#include "platform/pictures/png_reader.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "platform/pictures/picture_limits.h"

namespace vellumar::pictures {
namespace {

// The largest side PNG allows; the picture limit is checked on the header's size, with a clear message.
constexpr png_uint_32 kMaxSide = 0x7fffffff;
constexpr png_uint_32 kMaxAncillaryChunks = 256;
constexpr png_alloc_size_t kMaxChunkBytes = png_alloc_size_t{8} << 20;
// What libpng may allocate for one chunk beyond the bytes of the file itself.
constexpr png_alloc_size_t kChunkBytesMargin = 4096;
constexpr size_t kSignatureBytes = 8;
constexpr size_t kChunkHeaderBytes = 8;  // length and type
constexpr size_t kChunkCrcBytes = 4;
// Deflate turns one byte into at most 1032 (a 258-byte match costs at least two bits), so a stream of n
// bytes cannot hold more than 1032 * n bytes of rows.
constexpr uint64_t kMaxDeflateRatio = 1032;
constexpr size_t kRgbaBytes = 4;

// A chunk header that claims more bytes than the file still holds.
struct OverlongChunk {
  bool seen = false;
  char type[4] = {};
  uint32_t length = 0;
};

struct MemorySource {
  const uint8_t* data;
  size_t size;
  size_t offset = 0;
  size_t next_chunk = kSignatureBytes;  // where the next chunk header starts
  OverlongChunk overlong{};             // set when reading stopped at such a header
};

uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

// libpng reads a chunk's header before it allocates for the chunk's data, and reads every chunk it starts
// to its end. A chunk longer than the rest of the file therefore always ends in a truncation error; stopping
// at its header keeps libpng from allocating what the header claims.
void CheckChunkHeader(png_structp png, MemorySource& source) {
  const size_t left = source.size - source.offset;
  if (left < kChunkHeaderBytes) return;
  const uint8_t* header = source.data + source.offset;
  const uint32_t length = BigEndian32(header);
  if (uint64_t{length} + kChunkHeaderBytes + kChunkCrcBytes > left) {
    source.overlong.seen = true;
    std::memcpy(source.overlong.type, header + 4, sizeof source.overlong.type);
    source.overlong.length = length;
    png_error(png, "chunk longer than the file");
  }
  source.next_chunk += kChunkHeaderBytes + length + kChunkCrcBytes;
}

void ReadFromMemory(png_structp png, png_bytep out, size_t length) {
  auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
  if (source->offset == source->next_chunk) CheckChunkHeader(png, *source);
  if (length > source->size - source->offset) png_error(png, "truncated");
  std::memcpy(out, source->data + source->offset, length);
  source->offset += length;
}

[[noreturn]] void OnError(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

class PngReadStruct {
 public:
  PngReadStruct() {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
  }
  ~PngReadStruct() {
    if (png_ != nullptr) png_destroy_read_struct(&png_, info_ != nullptr ? &info_ : nullptr, nullptr);
  }
  PngReadStruct(const PngReadStruct&) = delete;
  PngReadStruct& operator=(const PngReadStruct&) = delete;

  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

struct DecodeTarget {
  RgbaImage image;
  std::vector<png_bytep> rows;
  uint64_t claimed_width = 0;  // the header's size, once it has been read
  uint64_t claimed_height = 0;
  bool size_refused = false;  // the header's size is one SizeAcceptable refuses
};

// The bytes of rows the header's image has before any transformation.
uint64_t RawBytes(png_structp png, png_infop info) {
  const uint64_t width = png_get_image_width(png, info);
  const uint64_t bits_per_pixel = uint64_t{png_get_channels(png, info)} * png_get_bit_depth(png, info);
  return png_get_image_height(png, info) * ((width * bits_per_pixel + 7) / 8);
}

bool WithinPixelLimit(uint64_t width, uint64_t height) {
  return width != 0 && height != 0 && width * height <= static_cast<uint64_t>(kMaxPicturePixels);
}

// Whether the header describes an image we may allocate: within the pixel limit, and with no more row bytes
// than the compressed data could expand to.
bool SizeAcceptable(png_structp png, png_infop info, size_t input_size) {
  const uint64_t width = png_get_image_width(png, info);
  const uint64_t height = png_get_image_height(png, info);
  if (!WithinPixelLimit(width, height)) return false;
  return RawBytes(png, info) <= kMaxDeflateRatio * input_size;
}

void SetRgbaTransforms(png_structp png, png_infop info) {
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
}

void AllocateRows(DecodeTarget& target, png_uint_32 width, png_uint_32 height) {
  const size_t stride = static_cast<size_t>(width) * kRgbaBytes;
  target.image.width = static_cast<int32_t>(width);
  target.image.height = static_cast<int32_t>(height);
  target.image.rgba.resize(stride * height);
  target.rows.resize(height);
  for (size_t y = 0; y < height; ++y) target.rows[y] = target.image.rgba.data() + y * stride;
}

// libpng reports errors by longjmp back here. Nothing with a destructor is created in this frame and no
// local is changed after setjmp, so the jump skips no destructor and reads no clobbered value; what the
// decode allocates lives in target, owned by the caller.
bool ReadImage(png_structp png, png_infop info, MemorySource* source, DecodeTarget* target) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, source, ReadFromMemory);
  png_set_user_limits(png, kMaxSide, kMaxSide);
  png_set_chunk_cache_max(png, kMaxAncillaryChunks);
  png_set_chunk_malloc_max(png, std::min<png_alloc_size_t>(kMaxChunkBytes, source->size + kChunkBytesMargin));
  // Only IHDR, PLTE, tRNS and IDAT shape the pixels. Skipping every other chunk unread keeps compressed
  // text and profiles from expanding in memory.
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_read_info(png, info);
  target->claimed_width = png_get_image_width(png, info);
  target->claimed_height = png_get_image_height(png, info);
  if (!SizeAcceptable(png, info, source->size)) {
    target->size_refused = true;
    return false;
  }
  SetRgbaTransforms(png, info);
  if (png_get_rowbytes(png, info) != static_cast<size_t>(png_get_image_width(png, info)) * kRgbaBytes) {
    return false;
  }
  AllocateRows(*target, png_get_image_width(png, info), png_get_image_height(png, info));
  png_read_image(png, target->rows.data());
  return true;
}

[[noreturn]] void ThrowOverlongChunk(const OverlongChunk& chunk, size_t file_size) {
  std::string type;
  for (char c : std::string_view(chunk.type, sizeof chunk.type)) type += (c >= 0x20 && c < 0x7F) ? c : '?';
  ThrowInvalidPicture("PNG chunk " + type + " claims " + std::to_string(chunk.length) +
                      " bytes, past the end of the " + std::to_string(file_size) + "-byte file");
}

// Says what is wrong with a header's size when SizeAcceptable refused it: beyond the picture limit (named as
// every picture reader names it), or more pixels than the file's few bytes could expand to.
void ThrowUnacceptableSize(const DecodeTarget& target, size_t file_size) {
  if (!target.size_refused) return;
  const uint64_t width = target.claimed_width;
  const uint64_t height = target.claimed_height;
  CheckPictureDimensions(static_cast<int64_t>(width), static_cast<int64_t>(height));
  ThrowInvalidPicture("the PNG image of " + std::to_string(width) + " x " + std::to_string(height) +
                      " pixels cannot come out of a file of " + std::to_string(file_size) + " bytes");
}

}  // namespace

bool HasPngSignature(std::span<const uint8_t> bytes) {
  constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  return bytes.size() >= sizeof kSignature && std::memcmp(bytes.data(), kSignature, sizeof kSignature) == 0;
}

RgbaImage DecodePng(std::span<const uint8_t> bytes) {
  if (!HasPngSignature(bytes)) ThrowInvalidPicture();
  PngReadStruct reader;
  if (reader.png() == nullptr || reader.info() == nullptr) throw HostError(kErrOutOfMemory);
  MemorySource source{bytes.data(), bytes.size()};
  DecodeTarget target;
  if (!ReadImage(reader.png(), reader.info(), &source, &target)) {
    if (source.overlong.seen) ThrowOverlongChunk(source.overlong, source.size);
    ThrowUnacceptableSize(target, source.size);
    ThrowInvalidPicture();
  }
  return std::move(target.image);
}

Bitmap RgbaToBitmap(const RgbaImage& image) {
  Bitmap bitmap(image.width, image.height);
  const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
  std::vector<uint32_t>& pixels = bitmap.pixels();
  for (size_t i = 0; i < count && i < pixels.size(); ++i) {
    const uint8_t* p = image.rgba.data() + i * kRgbaBytes;
    pixels[i] = Rgb(p[0], p[1], p[2]);
  }
  return bitmap;
}

std::vector<uint8_t> RgbaAlpha(const RgbaImage& image) {
  const size_t count = image.rgba.size() / kRgbaBytes;
  std::vector<uint8_t> alpha(count);
  for (size_t i = 0; i < count; ++i) alpha[i] = image.rgba[i * kRgbaBytes + 3];
  return alpha;
}

}  // namespace vellumar::pictures
