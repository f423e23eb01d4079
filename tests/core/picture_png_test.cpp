// PNG reading: every colour type and bit depth to RGB, and PNGs that claim more than they hold.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <string>

#include "picture_test_files.h"
#include "platform/errors/host_error.h"
#include "platform/pictures/picture.h"

namespace vellumar {
namespace {

using picture_testing::BuildPng;
using picture_testing::Bytes;
using picture_testing::InsertPngChunk;
using picture_testing::PatchPngSize;
using picture_testing::PngSpec;
using Grid = std::vector<std::vector<uint32_t>>;

Grid Pixels(const Bitmap& bitmap) {
  Grid grid;
  for (int32_t y = 0; y < bitmap.height(); ++y)
    grid.emplace_back(bitmap.Row(y), bitmap.Row(y) + bitmap.width());
  return grid;
}

constexpr uint32_t Gray(int v) {
  return Rgb(v, v, v);
}

TEST(PngReader, ReadsEveryColourTypeAndDepthAsOpaqueRgb) {
  struct Case {
    const char* name;
    PngSpec spec;
    Grid expected;
  };
  const Case cases[] = {
      {"gray 1 bit",
       {.width = 2, .color_type = PNG_COLOR_TYPE_GRAY, .bit_depth = 1, .samples = {0x80}},
       {{Gray(255), Gray(0)}}},
      {"gray 2 bits",
       {.width = 2, .color_type = PNG_COLOR_TYPE_GRAY, .bit_depth = 2, .samples = {0xD0}},
       {{Gray(255), Gray(85)}}},
      {"gray 4 bits",
       {.width = 2, .color_type = PNG_COLOR_TYPE_GRAY, .bit_depth = 4, .samples = {0xF0}},
       {{Gray(255), Gray(0)}}},
      {"gray 8 bits",
       {.width = 2, .color_type = PNG_COLOR_TYPE_GRAY, .samples = {10, 200}},
       {{Gray(10), Gray(200)}}},
      {"gray 16 bits",
       {.width = 2, .color_type = PNG_COLOR_TYPE_GRAY, .bit_depth = 16, .samples = {0x80, 0x80, 0xFF, 0xFF}},
       {{Gray(128), Gray(255)}}},
      {"gray and alpha",
       {.width = 2, .color_type = PNG_COLOR_TYPE_GRAY_ALPHA, .samples = {50, 0, 60, 255}},
       {{Gray(50), Gray(60)}}},
      {"rgb 8 bits", {.width = 2, .samples = {1, 2, 3, 4, 5, 6}}, {{Rgb(1, 2, 3), Rgb(4, 5, 6)}}},
      {"rgb 16 bits", {.width = 1, .bit_depth = 16, .samples = {1, 1, 2, 2, 3, 3}}, {{Rgb(1, 2, 3)}}},
      {"rgba, alpha ignored",
       {.width = 2, .color_type = PNG_COLOR_TYPE_RGBA, .samples = {1, 2, 3, 0, 4, 5, 6, 9}},
       {{Rgb(1, 2, 3), Rgb(4, 5, 6)}}},
      {"palette with transparency",
       {.width = 2,
        .color_type = PNG_COLOR_TYPE_PALETTE,
        .samples = {1, 0},
        .palette = {Rgb(255, 0, 0), Rgb(0, 0, 255)},
        .palette_alpha = {0}},
       {{Rgb(0, 0, 255), Rgb(255, 0, 0)}}},
      {"palette 1 bit",
       {.width = 2,
        .color_type = PNG_COLOR_TYPE_PALETTE,
        .bit_depth = 1,
        .samples = {0x80},
        .palette = {Rgb(1, 1, 1), Rgb(9, 9, 9)}},
       {{Rgb(9, 9, 9), Rgb(1, 1, 1)}}},
      {"interlaced",
       {.width = 3, .height = 3, .interlaced = true, .samples = {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5,
                                                                 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9}},
       {{Gray(1), Gray(2), Gray(3)}, {Gray(4), Gray(5), Gray(6)}, {Gray(7), Gray(8), Gray(9)}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes file = BuildPng(c.spec);
    StdPictureRef picture = LoadPictureFromMemory(file);
    EXPECT_EQ(picture->Type(), PictureType::kBitmap);
    EXPECT_EQ(Pixels(picture->bitmap()), c.expected);
    EXPECT_EQ(picture->file_bytes(), file);
  }
}

TEST(PngReader, RefusesDamagedPngsAndSizesTheDataCannotHold) {
  const Bytes valid = BuildPng({.width = 1, .samples = {1, 2, 3}});
  Bytes bad_crc = valid;
  bad_crc[bad_crc.size() - 20] ^= 0xFF;  // inside the image data
  struct Case {
    const char* name;
    Bytes file;
    std::string reason;
  };
  const std::string damaged = "damaged or unsupported PNG data";
  const Case cases[] = {
      {"signature only", Bytes(valid.begin(), valid.begin() + 8), damaged},
      {"cut in the header", Bytes(valid.begin(), valid.begin() + 20),
       "PNG chunk IHDR claims 13 bytes, past the end of the 20-byte file"},
      {"cut in the data", Bytes(valid.begin(), valid.end() - 16),
       "PNG chunk IDAT claims 12 bytes, past the end of the 53-byte file"},
      {"damaged data", bad_crc, damaged},
      {"zero width", PatchPngSize(valid, 0, 1), damaged},
      {"width beyond the format", PatchPngSize(valid, 0x80000000u, 1), damaged},
      {"a few bytes claiming 16 megapixels", PatchPngSize(valid, 4096, 4096),
       "the PNG image of 4096 x 4096 pixels cannot come out of a file of " + std::to_string(valid.size()) +
           " bytes"},
      {"more pixels than allowed", PatchPngSize(valid, 4100, 4100),
       "an image of 4100 x 4100 pixels is larger than a picture may be (16777216 pixels)"},
      {"a side beyond the pixels allowed", PatchPngSize(valid, 20000000, 1),
       "an image of 20000000 x 1 pixels is larger than a picture may be (16777216 pixels)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      LoadPictureFromMemory(c.file);
      ADD_FAILURE() << "loaded";
    } catch (const HostError& e) {
      EXPECT_EQ(e.number(), kErrInvalidPicture);
      EXPECT_EQ(std::string(e.what()), "Invalid picture: " + c.reason);
    }
  }
}

// A header that claims gigabytes must be refused when it is read, before libpng allocates for the chunk.
TEST(PngReader, RefusesAChunkClaimingMoreBytesThanTheFileHoldsAtItsHeader) {
  const Bytes valid = BuildPng({.width = 1, .samples = {1, 2, 3}});
  for (const char* type : {"tEXt", "zTXt", "iTXt", "sPLT", "iCCP", "prVt", "IDAT"}) {
    for (const int64_t claimed : {int64_t{0x7FFFFFFF}, int64_t{4000}}) {
      SCOPED_TRACE(std::string(type) + " claiming " + std::to_string(claimed));
      const Bytes file = InsertPngChunk(valid, type, {'a', 'b', 'c'}, claimed);
      try {
        LoadPictureFromMemory(file);
        ADD_FAILURE() << "loaded";
      } catch (const HostError& e) {
        EXPECT_EQ(e.number(), kErrInvalidPicture);
        EXPECT_EQ(std::string(e.what()), "Invalid picture: PNG chunk " + std::string(type) + " claims " +
                                             std::to_string(claimed) + " bytes, past the end of the " +
                                             std::to_string(file.size()) + "-byte file");
      }
    }
  }
}

Bytes ZtxtChunk(size_t text_bytes) {
  const Bytes text(text_bytes, 'x');
  Bytes packed(compressBound(text.size()));
  uLongf packed_size = packed.size();
  EXPECT_EQ(compress(packed.data(), &packed_size, text.data(), text.size()), Z_OK);
  packed.resize(packed_size);
  const std::string keyword("Comment\0\0", 9);  // keyword, its terminator, deflate
  packed.insert(packed.begin(), keyword.begin(), keyword.end());
  return packed;
}

// Text, profiles and private chunks never reach the pixels, and a form's picture keeps them byte for byte.
TEST(PngReader, PixelsDoNotDependOnTheChunksThatDoNotShapeThem) {
  const PngSpec images[] = {
      {.width = 2, .bit_depth = 16, .samples = {1, 1, 200, 200, 3, 3, 9, 9, 8, 8, 7, 7}},
      {.width = 2,
       .color_type = PNG_COLOR_TYPE_PALETTE,
       .samples = {1, 0},
       .palette = {Rgb(255, 0, 0), Rgb(0, 0, 255)},
       .palette_alpha = {0}},
  };
  for (const PngSpec& image : images) {
    const Bytes plain = BuildPng(image);
    Bytes rich = InsertPngChunk(plain, "gAMA", {0, 0, 0x3A, 0x98});  // 0.15: would darken if applied
    rich = InsertPngChunk(rich, "sBIT", {2, 2, 2});
    rich = InsertPngChunk(rich, "tEXt", {'T', 'i', 't', 'l', 'e', 0, 'x'});
    rich = InsertPngChunk(rich, "zTXt", ZtxtChunk(size_t{1} << 20));
    rich = InsertPngChunk(rich, "prVt", Bytes(100, 7));
    const StdPictureRef picture = LoadPictureFromMemory(rich);
    EXPECT_EQ(Pixels(picture->bitmap()), Pixels(LoadPictureFromMemory(plain)->bitmap()));
    EXPECT_EQ(picture->file_bytes(), rich);
  }
}

}  // namespace
}  // namespace vellumar
