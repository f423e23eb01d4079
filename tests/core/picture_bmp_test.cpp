// BMP reading: every depth, header kind and orientation, bit fields, RLE, and damaged files.
#include <gtest/gtest.h>

#include <climits>

#include "picture_test_files.h"
#include "platform/errors/host_error.h"
#include "platform/pictures/picture.h"

namespace vellumar {
namespace {

using picture_testing::BuildBmp;
using picture_testing::Bytes;
using picture_testing::DibSpec;
using picture_testing::PackIndexRows;
using picture_testing::PackValueRows;
using Grid = std::vector<std::vector<uint32_t>>;

const std::vector<uint32_t> kPalette = {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(10, 20, 30)};
constexpr uint32_t kBlack = 0;

Grid Pixels(const Bitmap& bitmap) {
  Grid grid;
  for (int32_t y = 0; y < bitmap.height(); ++y) {
    grid.emplace_back(bitmap.Row(y), bitmap.Row(y) + bitmap.width());
  }
  return grid;
}

Grid MapThrough(const Grid& indices, const std::vector<uint32_t>& palette) {
  Grid colors = indices;
  for (auto& row : colors) {
    for (uint32_t& c : row) c = palette[c];
  }
  return colors;
}

std::vector<uint32_t> FullPalette(int depth) {
  std::vector<uint32_t> palette = kPalette;
  palette.resize(size_t{1} << depth, kBlack);
  return palette;
}

Grid LoadPixels(const Bytes& file) {
  StdPictureRef picture = LoadPictureFromMemory(file);
  EXPECT_EQ(picture->Type(), PictureType::kBitmap);
  EXPECT_EQ(picture->file_bytes(), file);
  return Pixels(picture->bitmap());
}

TEST(BmpReader, ReadsIndexedDepthsInEveryHeaderAndOrientation) {
  struct Case {
    uint16_t depth;
    uint32_t header_size;
    bool top_down;
  };
  const Case cases[] = {{1, 40, false}, {1, 40, true},   {4, 40, false}, {4, 40, true},
                        {8, 40, false}, {8, 40, true},   {1, 12, false}, {4, 12, false},
                        {8, 12, false}, {8, 108, false}, {4, 124, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "depth " << c.depth << " header " << c.header_size << " top-down "
                                    << c.top_down);
    const Grid indices = c.depth == 1 ? Grid{{0, 1, 1}, {1, 0, 0}} : Grid{{0, 1, 2}, {3, 0, 1}};
    const DibSpec spec{.header_size = c.header_size,
                       .width = 3,
                       .height = c.top_down ? -2 : 2,
                       .bit_count = c.depth,
                       .palette = FullPalette(c.depth)};
    EXPECT_EQ(LoadPixels(BuildBmp(spec, PackIndexRows(indices, c.depth, c.top_down))),
              MapThrough(indices, kPalette));
  }
}

TEST(BmpReader, ReadsDirectColourDepthsAndBitFields) {
  struct Case {
    const char* name;
    DibSpec spec;
    Grid stored;
    Grid expected;
  };
  const Case cases[] = {
      {"24 bits",
       {.width = 2, .height = 2, .bit_count = 24},
       {{0x112233, 0xFF0000}, {0x0000FF, 0x00FF00}},
       {{Rgb(0x11, 0x22, 0x33), Rgb(255, 0, 0)}, {Rgb(0, 0, 255), Rgb(0, 255, 0)}}},
      {"24 bits top-down",
       {.width = 2, .height = -2, .bit_count = 24},
       {{0x112233, 0xFF0000}, {0x0000FF, 0x00FF00}},
       {{Rgb(0x11, 0x22, 0x33), Rgb(255, 0, 0)}, {Rgb(0, 0, 255), Rgb(0, 255, 0)}}},
      {"16 bits 5-5-5 by default",
       {.width = 2, .height = 2, .bit_count = 16},
       {{0x7C00, 0x03E0}, {0x001F, 0x4210}},
       {{Rgb(255, 0, 0), Rgb(0, 255, 0)}, {Rgb(0, 0, 255), Rgb(132, 132, 132)}}},
      {"16 bits 5-6-5 masks after the header",
       {.width = 2, .height = 1, .bit_count = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F}},
       {{0xF800, 0x0400}},
       {{Rgb(255, 0, 0), Rgb(0, 130, 0)}}},
      {"32 bits by default, alpha ignored",
       {.width = 2, .height = 1, .bit_count = 32},
       {{0x80112233, 0x00FFFFFF}},
       {{Rgb(0x11, 0x22, 0x33), Rgb(255, 255, 255)}}},
      {"32 bits 10-10-10 masks",
       {.width = 1, .height = 1, .bit_count = 32, .compression = 3, .masks = {0x3FF00000, 0x000FFC00, 0x3FF}},
       {{0x3FF00200}},
       {{Rgb(255, 0, 128)}}},
      {"V4 header with masks inside",
       {.header_size = 108,
        .width = 1,
        .height = 1,
        .bit_count = 32,
        .compression = 3,
        .masks = {0x000000FF, 0x0000FF00, 0x00FF0000}},
       {{0x00332211}},
       {{Rgb(0x11, 0x22, 0x33)}}},
      {"V5 header top-down 16 bits",
       {.header_size = 124,
        .width = 2,
        .height = -2,
        .bit_count = 16,
        .compression = 3,
        .masks = {0xF800, 0x07E0, 0x001F}},
       {{0xF800, 0x07E0}, {0x001F, 0x0000}},
       {{Rgb(255, 0, 0), Rgb(0, 255, 0)}, {Rgb(0, 0, 255), kBlack}}},
      {"alpha bit fields",
       {.width = 1,
        .height = 1,
        .bit_count = 32,
        .compression = 6,
        .masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000}},
       {{0xFF102030}},
       {{Rgb(0x10, 0x20, 0x30)}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LoadPixels(BuildBmp(c.spec, PackValueRows(c.stored, c.spec.bit_count, c.spec.height < 0))),
              c.expected);
  }
}

TEST(BmpReader, ShortPaletteGivesBlackForIndicesPastItsEnd) {
  const DibSpec spec{
      .width = 3, .height = 1, .bit_count = 8, .colors_used = 2, .palette = {kPalette[0], kPalette[1]}};
  EXPECT_EQ(LoadPixels(BuildBmp(spec, PackIndexRows({{1, 0, 7}}, 8))),
            (Grid{{kPalette[1], kPalette[0], kBlack}}));
}

TEST(BmpReader, HonoursThePixelOffset) {
  const DibSpec spec{.width = 1, .height = 1, .bit_count = 24};
  EXPECT_EQ(LoadPixels(BuildBmp(spec, PackValueRows({{0x0000FF}}, 24), 100)), (Grid{{Rgb(0, 0, 255)}}));
}

TEST(BmpReader, DecodesRle8RunsAbsoluteRunsDeltasAndLineEnds) {
  const Bytes data = {
      3, 1, 0, 0,                    // bottom row: three of colour 1, end of line
      0, 3, 2, 3, 1, 0, 1, 0, 0, 0,  // literal 2 3 1 (padded), one of colour 0, end of line
      0, 2, 2, 0, 5, 2, 0, 1,        // delta two to the right, five of colour 2 cut at the edge, end
  };
  const DibSpec spec{.width = 4, .height = 3, .bit_count = 8, .compression = 1, .palette = FullPalette(8)};
  const uint32_t c0 = kPalette[0], c1 = kPalette[1], c2 = kPalette[2], c3 = kPalette[3];
  EXPECT_EQ(LoadPixels(BuildBmp(spec, data)),
            (Grid{{kBlack, kBlack, c2, c2}, {c2, c3, c1, c0}, {c1, c1, c1, kBlack}}));
}

TEST(BmpReader, DecodesRle8DeltaAcrossRows) {
  const Bytes data = {0, 2, 1, 1, 1, 3, 0, 1};
  const DibSpec spec{.width = 2, .height = 3, .bit_count = 8, .compression = 1, .palette = FullPalette(8)};
  EXPECT_EQ(LoadPixels(BuildBmp(spec, data)),
            (Grid{{kBlack, kBlack}, {kBlack, kPalette[3]}, {kBlack, kBlack}}));
}

TEST(BmpReader, DecodesRle4AlternatingRunsAndOddLiterals) {
  const Bytes data = {
      5, 0x12, 0,    0,           // bottom row: 1 2 1 2 1, end of line
      0, 3,    0x30, 0x20, 0, 1,  // literal 3 0 2, end of bitmap
  };
  const DibSpec spec{.width = 5, .height = 2, .bit_count = 4, .compression = 2, .palette = FullPalette(4)};
  const uint32_t c0 = kPalette[0], c1 = kPalette[1], c2 = kPalette[2], c3 = kPalette[3];
  EXPECT_EQ(LoadPixels(BuildBmp(spec, data)), (Grid{{c3, c0, c2, kBlack, kBlack}, {c1, c2, c1, c2, c1}}));
}

TEST(BmpReader, RefusesDamagedAndHostileFiles) {
  const DibSpec valid{.width = 2, .height = 2, .bit_count = 24};
  const Bytes valid_pixels = PackValueRows({{1, 2}, {3, 4}}, 24);
  const auto with = [&](DibSpec spec, Bytes pixels = {}) { return BuildBmp(spec, pixels); };
  const Bytes valid_file = BuildBmp(valid, valid_pixels);
  const Bytes short_pixels(valid_file.begin(), valid_file.end() - 1);
  Bytes offset_past_end = valid_file;
  offset_past_end[12] = 0x10;  // pixel offset 1 MiB
  const DibSpec rle8{.width = 4, .height = 2, .bit_count = 8, .compression = 1, .palette = FullPalette(8)};
  struct Case {
    const char* name;
    Bytes file;
  };
  const Case cases[] = {
      {"empty", {}},
      {"signature only", {'B', 'M'}},
      {"truncated header", Bytes(valid_file.begin(), valid_file.begin() + 20)},
      {"unknown header size", with({.header_size = 20, .width = 2, .height = 2}, valid_pixels)},
      {"zero width", with({.width = 0, .height = 2}, valid_pixels)},
      {"negative width", with({.width = -2, .height = 2}, valid_pixels)},
      {"zero height", with({.width = 2, .height = 0}, valid_pixels)},
      {"INT32_MIN height", with({.width = 2, .height = INT32_MIN}, valid_pixels)},
      {"core header zero width", with({.header_size = 12, .width = 0, .height = 2}, valid_pixels)},
      {"more pixels than allowed", with({.width = 5000, .height = 5000})},
      {"size overflowing 32 bits", with({.width = INT32_MAX, .height = INT32_MAX})},
      {"one wide row too long", with({.width = INT32_MAX, .height = 1, .bit_count = 32})},
      {"pixel data one byte short", short_pixels},
      {"pixel offset past the end", offset_past_end},
      {"pixel offset inside the header", BuildBmp(valid, valid_pixels, 20)},
      {"palette past the end",
       with({.width = 1, .height = 1, .bit_count = 8, .colors_used = 256, .palette = {1, 2}})},
      {"huge colour count",
       with({.width = 1, .height = 1, .bit_count = 8, .colors_used = 0xFFFFFFFF, .palette = {1, 2}})},
      {"7 bits per pixel", with({.width = 2, .height = 2, .bit_count = 7}, valid_pixels)},
      {"2 bits per pixel",
       with({.width = 2, .height = 2, .bit_count = 2, .palette = {1, 2, 3, 4}}, valid_pixels)},
      {"16 bits in a core header",
       with({.header_size = 12, .width = 2, .height = 2, .bit_count = 16}, valid_pixels)},
      {"JPEG compression", with({.width = 2, .height = 2, .compression = 4}, valid_pixels)},
      {"bit fields on 8 bits", with({.width = 2,
                                     .height = 2,
                                     .bit_count = 8,
                                     .compression = 3,
                                     .palette = FullPalette(8),
                                     .masks = {1, 2, 3}},
                                    valid_pixels)},
      {"RLE8 on 24 bits", with({.width = 2, .height = 2, .compression = 1}, {0, 1})},
      {"RLE4 on 8 bits",
       with({.width = 2, .height = 2, .bit_count = 8, .compression = 2, .palette = FullPalette(8)}, {0, 1})},
      {"RLE top-down",
       with({.width = 4, .height = -2, .bit_count = 8, .compression = 1, .palette = FullPalette(8)}, {0, 1})},
      {"RLE literal past the end", with(rle8, {0, 5, 1, 2})},
      {"RLE ending before the last row", with(rle8, {4, 1, 0, 0})},
      {"RLE delta cut short", with(rle8, {0, 2, 1})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      LoadPictureFromMemory(c.file);
      ADD_FAILURE() << "loaded";
    } catch (const HostError& e) {
      EXPECT_EQ(e.number(), kErrInvalidPicture);
    }
  }
}

}  // namespace
}  // namespace vellumar
