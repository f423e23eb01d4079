#include "platform/png_writer.h"

#include <png.h>

#include <array>
#include <cstdio>
#include <string>

#include "platform/form_file_atomic.h"
#include "platform/picture.h"
#include "platform/picture_limits.h"

namespace vellumar {
namespace pictures {
namespace {

constexpr size_t kRgbBytes = 3;
// PNG allows sides up to 2^31 - 1; libpng's default limit of a million pixels a side is for reading.
constexpr png_uint_32 kLargestPngSide = 0x7fffffff;

// Why libpng gave up, filled in from its C frames, where nothing may throw.
struct WriteFailure {
  bool out_of_memory = false;
  std::array<char, 160> message{};
};

WriteFailure& FailureOf(png_structp png) {
  return *static_cast<WriteFailure*>(png_get_error_ptr(png));
}

// Exceptions must not cross libpng's C frames: a failed append becomes a libpng error instead.
void AppendToVector(png_structp png, png_bytep data, size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  bool appended = true;
  try {
    out->insert(out->end(), data, data + length);
  } catch (...) {
    appended = false;
  }
  if (!appended) {
    FailureOf(png).out_of_memory = true;
    png_error(png, "out of memory");
  }
}

void FlushNothing(png_structp) {}
[[noreturn]] void OnError(png_structp png, png_const_charp message) {
  std::array<char, 160>& text = FailureOf(png).message;
  std::snprintf(text.data(), text.size(), "%s", message != nullptr ? message : "");
  png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

class PngWriteStruct {
 public:
  explicit PngWriteStruct(WriteFailure* failure) {
    png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, failure, OnError, OnWarning);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
    if (png_ != nullptr) png_set_user_limits(png_, kLargestPngSide, kLargestPngSide);
  }
  ~PngWriteStruct() {
    if (png_ != nullptr) png_destroy_write_struct(&png_, info_ != nullptr ? &info_ : nullptr);
  }
  PngWriteStruct(const PngWriteStruct&) = delete;
  PngWriteStruct& operator=(const PngWriteStruct&) = delete;

  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

void FillRow(const Bitmap& bitmap, int32_t y, std::vector<uint8_t>& row) {
  const uint32_t* pixels = bitmap.Row(y);
  const bool mono = bitmap.format() == PixelFormat::kMono1;
  for (int32_t x = 0; x < bitmap.width(); ++x) {
    const ColorRef c = mono ? (pixels[x] != 0 ? Rgb(255, 255, 255) : Rgb(0, 0, 0)) : pixels[x];
    uint8_t* out = row.data() + static_cast<size_t>(x) * kRgbBytes;
    out[0] = static_cast<uint8_t>(RedOf(c));
    out[1] = static_cast<uint8_t>(GreenOf(c));
    out[2] = static_cast<uint8_t>(BlueOf(c));
  }
}

void WriteRows(png_structp png, const Bitmap& bitmap, std::vector<uint8_t>& row) {
  for (int32_t y = 0; y < bitmap.height(); ++y) {
    FillRow(bitmap, y, row);
    png_write_row(png, row.data());
  }
}

// libpng reports errors by longjmp back here; as in the reader, nothing in this frame has a destructor and
// nothing is changed after setjmp, and everything allocated belongs to the caller.
bool WriteImage(png_structp png, png_infop info, const Bitmap* bitmap, std::vector<uint8_t>* row,
                std::vector<uint8_t>* out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, out, AppendToVector, FlushNothing);
  png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap->width()),
               static_cast<png_uint_32>(bitmap->height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  WriteRows(png, *bitmap, *row);
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

std::vector<uint8_t> EncodePng(const Bitmap& bitmap) {
  if (bitmap.empty()) ThrowInvalidPicture();
  WriteFailure failure;
  PngWriteStruct writer(&failure);
  if (writer.png() == nullptr || writer.info() == nullptr) throw HostError(kErrOutOfMemory);
  std::vector<uint8_t> row(static_cast<size_t>(bitmap.width()) * kRgbBytes);
  std::vector<uint8_t> out;
  if (WriteImage(writer.png(), writer.info(), &bitmap, &row, &out)) return out;
  if (failure.out_of_memory) throw HostError(kErrOutOfMemory);
  ThrowInvalidPicture("the PNG encoder refused the image: " + std::string(failure.message.data()));
}

}  // namespace pictures

void WritePng(const Bitmap& bitmap, const std::string& path) {
  WriteFileAtomically(path, pictures::EncodePng(bitmap));
}

}  // namespace vellumar
