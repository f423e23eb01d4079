// A PNG encoder over zlib that streams: a row's filter is chosen in one pass over the bitmap and the row is
// filtered and compressed in a second, a few thousand pixels at a time, so no copy of a row is ever held.
#include "platform/png_writer.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "platform/form_file_atomic.h"
#include "platform/picture.h"
#include "platform/picture_limits.h"

namespace vellumar {
namespace pictures {
namespace {

constexpr size_t kRgbBytes = 3;
constexpr size_t kIdatBytes = 8192;    // each IDAT chunk but the last holds this much compressed data
constexpr size_t kPiecePixels = 4096;  // pixels filtered and compressed at a time
constexpr int kMaxWindowBits = 15;
constexpr int kMemLevel = 8;
// Images this small get a smaller compression window, announced in the stream's header.
constexpr uint64_t kSmallImageBytes = 16384;
constexpr uint64_t kWindowLookahead = 262;  // what deflate needs in its window beyond the data
constexpr uint64_t kUnknownSize = 0xffffffffU;
constexpr size_t kRowBytesForSize = 32768;
constexpr uint32_t kRowsForSize = 32768;

enum Filter : uint8_t { kNone, kSub, kUp, kAvg, kPaeth, kFilterCount };
using FilterSet = std::array<bool, kFilterCount>;

void PutBigEndian32(uint8_t* out, uint32_t value) {
  out[0] = static_cast<uint8_t>(value >> 24);
  out[1] = static_cast<uint8_t>(value >> 16);
  out[2] = static_cast<uint8_t>(value >> 8);
  out[3] = static_cast<uint8_t>(value);
}

void WriteChunk(const ByteSink& sink, const char (&type)[5], std::span<const uint8_t> data) {
  std::array<uint8_t, 8> header{};
  PutBigEndian32(header.data(), static_cast<uint32_t>(data.size()));
  std::copy(type, type + 4, header.begin() + 4);
  uLong crc = crc32(0L, header.data() + 4, 4);
  if (!data.empty()) crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
  std::array<uint8_t, 4> trailer{};
  PutBigEndian32(trailer.data(), static_cast<uint32_t>(crc));
  sink(header);
  if (!data.empty()) sink(data);
  sink(trailer);
}

// The deflate header names the window size; a small image's stream says the smallest window that holds it.
void NarrowWindowInHeader(uint8_t* stream, uint64_t image_size) {
  unsigned int cmf = stream[0];
  if (image_size > kSmallImageBytes || (cmf & 0x0f) != 8 || (cmf & 0xf0) > 0x70) return;
  unsigned int info = cmf >> 4;
  unsigned int half_window = 1U << (info + 7);
  if (image_size > half_window) return;
  do {
    half_window >>= 1;
    --info;
  } while (info > 0 && image_size <= half_window);
  cmf = (cmf & 0x0f) | (info << 4);
  stream[0] = static_cast<uint8_t>(cmf);
  unsigned int flags = stream[1] & 0xe0u;
  flags += 0x1f - ((cmf << 8) + flags) % 0x1f;
  stream[1] = static_cast<uint8_t>(flags);
}

[[noreturn]] void ThrowZlibError(int code) {
  if (code == Z_MEM_ERROR) throw HostError(kErrOutOfMemory);
  ThrowInvalidPicture("the PNG encoder failed (zlib error " + std::to_string(code) + ")");
}

// The image data: one deflate stream cut into IDAT chunks of kIdatBytes.
class IdatStream {
 public:
  IdatStream(const ByteSink& sink, uint64_t image_size, bool filtered)
      : sink_(sink), image_size_(image_size) {
    int window_bits = kMaxWindowBits;
    if (image_size <= kSmallImageBytes) {
      for (uint64_t half = uint64_t{1} << (window_bits - 1); image_size + kWindowLookahead <= half;
           half >>= 1) {
        --window_bits;
      }
    }
    const int code = deflateInit2(&stream_, Z_DEFAULT_COMPRESSION, Z_DEFLATED, window_bits, kMemLevel,
                                  filtered ? Z_FILTERED : Z_DEFAULT_STRATEGY);
    if (code != Z_OK) ThrowZlibError(code);
    ResetOutput();
  }
  ~IdatStream() { deflateEnd(&stream_); }
  IdatStream(const IdatStream&) = delete;
  IdatStream& operator=(const IdatStream&) = delete;

  void Put(std::span<const uint8_t> data) {
    stream_.next_in = const_cast<Bytef*>(data.data());
    stream_.avail_in = static_cast<uInt>(data.size());
    while (stream_.avail_in > 0) {
      const int code = deflate(&stream_, Z_NO_FLUSH);
      if (code != Z_OK) ThrowZlibError(code);
      if (stream_.avail_out == 0) Emit(kIdatBytes);
    }
  }

  void Finish() {
    for (;;) {
      const int code = deflate(&stream_, Z_FINISH);
      if (stream_.avail_out == 0) Emit(kIdatBytes);
      if (code == Z_STREAM_END) break;
      if (code != Z_OK) ThrowZlibError(code);
    }
    const size_t rest = kIdatBytes - stream_.avail_out;
    if (rest > 0) Emit(rest);
  }

 private:
  void ResetOutput() {
    stream_.next_out = out_.data();
    stream_.avail_out = static_cast<uInt>(out_.size());
  }
  void Emit(size_t size) {
    if (!emitted_) NarrowWindowInHeader(out_.data(), image_size_);
    emitted_ = true;
    WriteChunk(sink_, "IDAT", std::span<const uint8_t>(out_.data(), size));
    ResetOutput();
  }

  const ByteSink& sink_;
  uint64_t image_size_;  // the filtered rows' bytes, or kUnknownSize when that is large
  z_stream stream_{};
  std::array<uint8_t, kIdatBytes> out_{};
  bool emitted_ = false;  // an IDAT chunk has been written
};

// One byte of a pixel's red, green and blue, as PNG stores them; monochrome pixels are black or white.
struct PixelBytes {
  const uint32_t* row;  // null above the first row, where every byte counts as 0
  bool mono;
  uint8_t At(size_t x, size_t channel) const {
    if (row == nullptr) return 0;
    ColorRef c = row[x];
    if (mono) c = c != 0 ? Rgb(255, 255, 255) : Rgb(0, 0, 0);
    return static_cast<uint8_t>(c >> (8 * channel));
  }
};

uint8_t PaethPredictor(int a, int b, int c) {
  const int p = b - c;
  const int q = a - c;
  const int pa = p < 0 ? -p : p;
  const int pb = q < 0 ? -q : q;
  const int pc = (p + q) < 0 ? -(p + q) : p + q;
  return static_cast<uint8_t>((pa <= pb && pa <= pc) ? a : (pb <= pc) ? b : c);
}

// The filtered byte for the byte x of a row given its left, upper and upper-left neighbours (0 outside).
uint8_t Filtered(Filter filter, int x, int left, int up, int up_left) {
  switch (filter) {
    case kNone:
      return static_cast<uint8_t>(x);
    case kSub:
      return static_cast<uint8_t>(x - left);
    case kUp:
      return static_cast<uint8_t>(x - up);
    case kAvg:
      return static_cast<uint8_t>(x - (left + up) / 2);
    case kPaeth:
    case kFilterCount:
      break;
  }
  return static_cast<uint8_t>(x - PaethPredictor(left, up, up_left));
}

// Calls visit(value, left, up, up_left) for each byte of the pixels [from, to) of row, in order.
template <typename Visit>
void ForEachFilteredByte(const PixelBytes& row, const PixelBytes& above, size_t from, size_t to,
                         Visit visit) {
  for (size_t x = from; x < to; ++x) {
    for (size_t channel = 0; channel < kRgbBytes; ++channel) {
      const int value = row.At(x, channel);
      const int left = x > 0 ? row.At(x - 1, channel) : 0;
      const int up = above.At(x, channel);
      const int up_left = x > 0 ? above.At(x - 1, channel) : 0;
      visit(value, left, up, up_left);
    }
  }
}

// The filter with the least sum of the bytes taken as distances from zero; the first of equals wins.
Filter ChooseFilter(const PixelBytes& row, const PixelBytes& above, size_t width, const FilterSet& allowed) {
  if (std::count(allowed.begin(), allowed.end(), true) == 1) return kNone;
  std::array<uint64_t, kFilterCount> sums{};
  ForEachFilteredByte(row, above, 0, width, [&](int value, int left, int up, int up_left) {
    for (size_t f = 0; f < kFilterCount; ++f) {
      if (!allowed[f]) continue;
      const unsigned int v = Filtered(static_cast<Filter>(f), value, left, up, up_left);
      sums[f] += v < 128 ? v : 256 - v;
    }
  });
  Filter best = kNone;
  for (size_t f = kSub; f < kFilterCount; ++f) {
    if (allowed[f] && sums[f] < sums[best]) best = static_cast<Filter>(f);
  }
  return best;
}

// Filters that can differ from none: a single row has nothing above, a single column nothing to its left.
FilterSet FiltersFor(int32_t width, int32_t height) {
  FilterSet allowed{true, true, true, true, true};
  if (height == 1) allowed[kUp] = allowed[kAvg] = allowed[kPaeth] = false;
  if (width == 1) allowed[kSub] = allowed[kAvg] = allowed[kPaeth] = false;
  return allowed;
}

uint64_t ImageSize(int32_t width, int32_t height) {
  const size_t row_bytes = static_cast<size_t>(width) * kRgbBytes;
  if (row_bytes >= kRowBytesForSize || static_cast<uint32_t>(height) >= kRowsForSize) return kUnknownSize;
  return (row_bytes + 1) * static_cast<uint64_t>(height);
}

void WriteHeader(const ByteSink& sink, const Bitmap& bitmap) {
  static constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  sink(kSignature);
  std::array<uint8_t, 13> header{};
  PutBigEndian32(header.data(), static_cast<uint32_t>(bitmap.width()));
  PutBigEndian32(header.data() + 4, static_cast<uint32_t>(bitmap.height()));
  header[8] = 8;  // bits per channel
  header[9] = 2;  // RGB; compression, filter method and interlacing stay 0
  WriteChunk(sink, "IHDR", header);
}

void WriteRows(IdatStream& idat, const Bitmap& bitmap, const FilterSet& allowed) {
  const bool mono = bitmap.format() == PixelFormat::kMono1;
  const auto width = static_cast<size_t>(bitmap.width());
  std::array<uint8_t, kPiecePixels * kRgbBytes> piece{};
  for (int32_t y = 0; y < bitmap.height(); ++y) {
    const PixelBytes row{bitmap.Row(y), mono};
    const PixelBytes above{y > 0 ? bitmap.Row(y - 1) : nullptr, mono};
    const Filter filter = ChooseFilter(row, above, width, allowed);
    const uint8_t type = filter;
    idat.Put(std::span<const uint8_t>(&type, 1));
    for (size_t from = 0; from < width; from += kPiecePixels) {
      const size_t to = std::min(width, from + kPiecePixels);
      size_t n = 0;
      ForEachFilteredByte(row, above, from, to, [&](int value, int left, int up, int up_left) {
        piece[n++] = Filtered(filter, value, left, up, up_left);
      });
      idat.Put(std::span<const uint8_t>(piece.data(), n));
    }
  }
}

}  // namespace

void WritePngTo(const Bitmap& bitmap, const ByteSink& sink) {
  if (bitmap.empty()) ThrowInvalidPicture();
  const FilterSet allowed = FiltersFor(bitmap.width(), bitmap.height());
  WriteHeader(sink, bitmap);
  const bool filtered = std::count(allowed.begin(), allowed.end(), true) > 1;
  IdatStream idat(sink, ImageSize(bitmap.width(), bitmap.height()), filtered);
  WriteRows(idat, bitmap, allowed);
  idat.Finish();
  WriteChunk(sink, "IEND", {});
}

std::vector<uint8_t> EncodePng(const Bitmap& bitmap) {
  std::vector<uint8_t> bytes;
  WritePngTo(bitmap, AppendingTo(bytes));
  return bytes;
}

}  // namespace pictures

void WritePng(const Bitmap& bitmap, const std::string& path) {
  WriteFileAtomically(path, [&bitmap](const ByteSink& sink) { pictures::WritePngTo(bitmap, sink); });
}

}  // namespace vellumar
