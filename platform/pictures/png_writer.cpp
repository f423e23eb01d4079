// A PNG encoder over zlib that streams: a row's filter is chosen in one pass over the bitmap and the row is
// filtered and compressed in a second, a few thousand pixels at a time, so no copy of a row is ever held.
#include "platform/pictures/png_writer.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "platform/files/atomic_write.h"
#include "platform/pictures/picture.h"
#include "platform/pictures/picture_limits.h"

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

// The RGB bytes of a piece of a row and of the same piece of the row above, each after the bytes of the
// pixel to the piece's left (zeros at the row's start, and everywhere above the first row), so that every
// filter reads its neighbours at fixed offsets.
class Piece {
 public:
  explicit Piece(const Bitmap& bitmap) : bitmap_(bitmap) {}

  // Takes the pixels [from, to) of row y; returns the number of bytes.
  size_t Load(int32_t y, size_t from, size_t to) {
    if (from == 0) {
      std::fill_n(row_.begin(), kRgbBytes, uint8_t{0});
      std::fill_n(above_.begin(), kRgbBytes, uint8_t{0});
    }
    const size_t start = from == 0 ? 0 : from - 1;
    const size_t offset = from == 0 ? kRgbBytes : 0;
    Fill(row_.data() + offset, y, start, to);
    Fill(above_.data() + offset, y - 1, start, to);
    return (to - from) * kRgbBytes;
  }
  // Byte i of the piece (0-based) is at kRgbBytes + i; its left neighbour kRgbBytes before.
  const uint8_t* row() const { return row_.data() + kRgbBytes; }
  const uint8_t* above() const { return above_.data() + kRgbBytes; }

 private:
  void Fill(uint8_t* out, int32_t y, size_t from, size_t to) const {
    if (y < 0) {
      std::fill(out, out + (to - from) * kRgbBytes, uint8_t{0});
      return;
    }
    const uint32_t* pixels = bitmap_.Row(y);
    const bool mono = bitmap_.format() == PixelFormat::kMono1;
    for (size_t x = from; x < to; ++x, out += kRgbBytes) {
      const ColorRef c = mono ? (pixels[x] != 0 ? Rgb(255, 255, 255) : Rgb(0, 0, 0)) : pixels[x];
      out[0] = static_cast<uint8_t>(RedOf(c));
      out[1] = static_cast<uint8_t>(GreenOf(c));
      out[2] = static_cast<uint8_t>(BlueOf(c));
    }
  }

  const Bitmap& bitmap_;
  std::array<uint8_t, (kPiecePixels + 1) * kRgbBytes> row_{};
  std::array<uint8_t, (kPiecePixels + 1) * kRgbBytes> above_{};
};

uint8_t PaethPredictor(int a, int b, int c) {
  const int p = b - c;
  const int q = a - c;
  const int pa = p < 0 ? -p : p;
  const int pb = q < 0 ? -q : q;
  const int pc = (p + q) < 0 ? -(p + q) : p + q;
  return static_cast<uint8_t>((pa <= pb && pa <= pc) ? a : (pb <= pc) ? b : c);
}

// out[i] = byte i less what predict makes of its left, upper and upper-left neighbours.
template <typename Predict>
void Subtract(const Piece& piece, size_t n, uint8_t* out, Predict predict) {
  const uint8_t* x = piece.row();
  const uint8_t* up = piece.above();
  const uint8_t* left = x - kRgbBytes;
  const uint8_t* up_left = up - kRgbBytes;
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<uint8_t>(x[i] - predict(left[i], up[i], up_left[i]));
}

// Writes the n bytes of the piece under filter into out.
void FilterPiece(Filter filter, const Piece& piece, size_t n, uint8_t* out) {
  switch (filter) {
    case kNone:
      return Subtract(piece, n, out, [](int, int, int) { return 0; });
    case kSub:
      return Subtract(piece, n, out, [](int a, int, int) { return a; });
    case kUp:
      return Subtract(piece, n, out, [](int, int b, int) { return b; });
    case kAvg:
      return Subtract(piece, n, out, [](int a, int b, int) { return (a + b) / 2; });
    case kPaeth:
    case kFilterCount:
      break;
  }
  Subtract(piece, n, out, [](int a, int b, int c) { return PaethPredictor(a, b, c); });
}

// The sum of the n bytes of the piece under predict, each taken as a distance from zero (128 and above count
// as negative): the measure by which a filter is chosen.
template <typename Predict>
uint64_t Distance(const Piece& piece, size_t n, Predict predict) {
  const uint8_t* x = piece.row();
  const uint8_t* up = piece.above();
  const uint8_t* left = x - kRgbBytes;
  const uint8_t* up_left = up - kRgbBytes;
  uint32_t sum = 0;  // at most 128 a byte of a piece
  for (size_t i = 0; i < n; ++i) {
    const auto v = static_cast<uint8_t>(x[i] - predict(left[i], up[i], up_left[i]));
    sum += v < 128 ? v : 256u - v;
  }
  return sum;
}

uint64_t Distance(Filter filter, const Piece& piece, size_t n) {
  switch (filter) {
    case kNone:
      return Distance(piece, n, [](int, int, int) { return 0; });
    case kSub:
      return Distance(piece, n, [](int a, int, int) { return a; });
    case kUp:
      return Distance(piece, n, [](int, int b, int) { return b; });
    case kAvg:
      return Distance(piece, n, [](int a, int b, int) { return (a + b) / 2; });
    case kPaeth:
    case kFilterCount:
      break;
  }
  return Distance(piece, n, [](int a, int b, int c) { return PaethPredictor(a, b, c); });
}

// The filter with the least sum of distances over the row; the first of equals wins.
Filter ChooseFilter(Piece& piece, int32_t y, size_t width, const FilterSet& allowed) {
  if (std::count(allowed.begin(), allowed.end(), true) == 1) return kNone;
  std::array<uint64_t, kFilterCount> sums{};
  for (size_t from = 0; from < width; from += kPiecePixels) {
    const size_t n = piece.Load(y, from, std::min(width, from + kPiecePixels));
    for (size_t f = 0; f < kFilterCount; ++f) {
      if (allowed[f]) sums[f] += Distance(static_cast<Filter>(f), piece, n);
    }
  }
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
  const auto width = static_cast<size_t>(bitmap.width());
  std::array<uint8_t, kPiecePixels * kRgbBytes> filtered{};
  Piece piece(bitmap);
  for (int32_t y = 0; y < bitmap.height(); ++y) {
    const Filter filter = ChooseFilter(piece, y, width, allowed);
    const uint8_t type = filter;
    idat.Put(std::span<const uint8_t>(&type, 1));
    for (size_t from = 0; from < width; from += kPiecePixels) {
      const size_t n = piece.Load(y, from, std::min(width, from + kPiecePixels));
      FilterPiece(filter, piece, n, filtered.data());
      idat.Put(std::span<const uint8_t>(filtered.data(), n));
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
