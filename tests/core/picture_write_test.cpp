// Writing pictures: the PNG encoder makes exactly the bytes libpng makes with its defaults, and writing a
// picture file costs little memory beyond the bitmap, however long its rows.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>

#include "picture_test_files.h"
#include "platform/errors/host_error.h"
#include "platform/pictures/picture.h"
#include "platform/pictures/png_writer.h"

namespace vellumar {
namespace {

using picture_testing::Bytes;

// The bytes libpng takes for the bitmap's rows.
Bytes RgbSamples(const Bitmap& bitmap) {
  Bytes samples;
  for (int32_t y = 0; y < bitmap.height(); ++y) {
    for (int32_t x = 0; x < bitmap.width(); ++x) {
      ColorRef c = bitmap.Pixel(x, y);
      if (bitmap.format() == PixelFormat::kMono1) c = c != 0 ? Rgb(255, 255, 255) : Rgb(0, 0, 0);
      samples.insert(samples.end(), {static_cast<uint8_t>(RedOf(c)), static_cast<uint8_t>(GreenOf(c)),
                                     static_cast<uint8_t>(BlueOf(c))});
    }
  }
  return samples;
}

// Noise, smooth gradients, flat runs and stripes, so that every filter wins somewhere and the data spans
// from a few bytes (a narrowed compression window) to many IDAT chunks; rows a few thousand pixels long
// cross the pieces the encoder works in.
Bitmap RandomBitmap(std::mt19937& random) {
  const int32_t sides[] = {1, 2, 3, 7, 64, 200, 301, 4097, 8193};
  const int32_t width = sides[random() % std::size(sides)];
  const int32_t height = sides[random() % (width > 301 ? 4 : 7)];
  const bool mono = random() % 8 == 0;
  Bitmap bitmap(width, height, mono ? PixelFormat::kMono1 : PixelFormat::kColor32);
  const int pattern = static_cast<int>(random() % 4);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      uint32_t value = 0;
      switch (pattern) {
        case 0:
          value = random() & 0xFFFFFF;
          break;
        case 1:
          value = Rgb((x * 3 + y) & 0xFF, (y * 5) & 0xFF, (x ^ y) & 0xFF);
          break;
        case 2:
          value = (x / 9 + y / 5) % 3 == 0 ? Rgb(236, 233, 216) : Rgb(0, 60, 116);
          break;
        default:
          value = random() % 5 == 0 ? random() & 0xFFFFFF : Rgb(x & 0xFF, x & 0xFF, 200);
      }
      bitmap.SetPixel(x, y, mono ? (value & 1) : value);
    }
  }
  return bitmap;
}

TEST(PictureWriting, PngIsByteForByteWhatLibpngWritesWithItsDefaults) {
  std::mt19937 random(20261207);
  for (int i = 0; i < 300; ++i) {
    const Bitmap bitmap = RandomBitmap(random);
    const Bytes expected = picture_testing::BuildPng({.width = static_cast<uint32_t>(bitmap.width()),
                                                      .height = static_cast<uint32_t>(bitmap.height()),
                                                      .samples = RgbSamples(bitmap)});
    const Bytes encoded = pictures::EncodePng(bitmap);
    ASSERT_EQ(encoded, expected) << "case " << i << ": " << bitmap.width() << " x " << bitmap.height();
  }
}

// The address space a child may still take: what it has now plus allowance.
void LimitAddressSpaceTo(size_t allowance) {
  long pages = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
    std::fclose(statm);
  }
  const rlim_t limit = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + allowance;
  const struct rlimit rl { limit, limit };
  ::setrlimit(RLIMIT_AS, &rl);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

// One row of 8 Mi pixels (32 MiB): a PNG or BMP file of it is written within 12 MiB more, where a copy of
// the row alone takes 24 MiB.
TEST(PictureWriting, AFileOfTheLongestRowCostsLittleBeyondTheBitmap) {
  if (kUnderAddressSanitizer)
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit";
  picture_testing::ScratchDir dir;
  constexpr int32_t kWidth = 1 << 23;
  constexpr size_t kAllowance = size_t{12} << 20;
  for (const std::string name : {"row.png", "row.bmp"}) {
    const std::string path = dir.Path(name);
    EXPECT_EXIT(
        {
          Bitmap row(kWidth, 1);
          row.SetPixel(kWidth - 1, 0, Rgb(1, 2, 3));
          LimitAddressSpaceTo(kAllowance);
          try {
            if (name.ends_with(".png")) WritePng(row, path);
            if (name.ends_with(".bmp")) SavePicture(*StdPicture::FromBitmap(std::move(row)), path);
          } catch (...) {
            std::_Exit(1);
          }
          std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "")
        << name;
    const Bytes written = picture_testing::ReadFileBytes(path);
    if (name.ends_with(".bmp")) {
      EXPECT_EQ(written.size(), 54u + 3u * kWidth);
    } else {
      Bitmap expected(kWidth, 1);
      expected.SetPixel(kWidth - 1, 0, Rgb(1, 2, 3));
      EXPECT_EQ(written, pictures::EncodePng(expected));
    }
  }
}

}  // namespace
}  // namespace vellumar
