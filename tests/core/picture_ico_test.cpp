// ICO reading: entry choice, DIB entries with AND masks and alpha, PNG entries, damaged directories.
#include <gtest/gtest.h>

#include "picture_test_files.h"
#include "platform/errors/host_error.h"
#include "platform/pictures/picture.h"

namespace vellumar {
namespace {

using picture_testing::BuildIco;
using picture_testing::BuildPng;
using picture_testing::Bytes;
using picture_testing::IcoEntrySpec;
using picture_testing::IconDib24;
using picture_testing::IconDib32;
using Grid = std::vector<std::vector<uint32_t>>;

constexpr uint32_t kRed = Rgb(255, 0, 0);
constexpr uint32_t kGreen = Rgb(0, 255, 0);
constexpr uint32_t kBlue = Rgb(0, 0, 255);
constexpr uint32_t kWhite = Rgb(255, 255, 255);

Grid Pixels(const Bitmap& bitmap) {
  Grid grid;
  for (int32_t y = 0; y < bitmap.height(); ++y)
    grid.emplace_back(bitmap.Row(y), bitmap.Row(y) + bitmap.width());
  return grid;
}

Grid Solid(int size, uint32_t value) {
  return Grid(static_cast<size_t>(size), std::vector<uint32_t>(static_cast<size_t>(size), value));
}

TEST(IcoReader, ReadsDibEntryWithItsAndMask) {
  const Bytes file = BuildIco(
      {{.width = 2, .height = 2, .data = IconDib24({{kRed, kGreen}, {kBlue, kWhite}}, {{0, 1}, {1, 0}})}});
  StdPictureRef picture = LoadPictureFromMemory(file);
  ASSERT_EQ(picture->Type(), PictureType::kIcon);
  EXPECT_EQ(Pixels(picture->icon().color), (Grid{{kRed, kGreen}, {kBlue, kWhite}}));
  EXPECT_EQ(picture->icon().mask.format(), PixelFormat::kMono1);
  EXPECT_EQ(Pixels(picture->icon().mask), (Grid{{0, 1}, {1, 0}}));
  EXPECT_TRUE(picture->icon().alpha.empty());
  EXPECT_EQ(picture->Width(), PixelsToHimetric(2));
  EXPECT_EQ(picture->file_bytes(), file);
}

TEST(IcoReader, ChoosesTheEntryNearestTheStandardSize) {
  struct Entry {
    uint8_t side;  // 0 = 256
    uint16_t bits;
  };
  struct Case {
    const char* name;
    std::vector<Entry> entries;
    size_t chosen;
  };
  const Case cases[] = {
      {"exact 32 among 16 and 48", {{16, 24}, {32, 24}, {48, 24}}, 1},
      {"equal distance prefers the larger", {{16, 24}, {48, 24}}, 1},
      {"same size prefers more bits", {{32, 8}, {32, 32}, {32, 24}}, 1},
      {"16 nearer than 256", {{0, 32}, {16, 4}}, 1},
      {"a single entry of any size", {{0, 32}}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<IcoEntrySpec> specs;
    for (size_t i = 0; i < c.entries.size(); ++i) {
      // Every entry is a one-pixel image of its own colour; the directory claims the size and depth.
      specs.push_back({.width = c.entries[i].side,
                       .height = c.entries[i].side,
                       .bit_count = c.entries[i].bits,
                       .data = IconDib24({{static_cast<uint32_t>(i + 1)}}, {{0}})});
    }
    StdPictureRef picture = LoadPictureFromMemory(BuildIco(specs));
    EXPECT_EQ(picture->icon().color.Pixel(0, 0), c.chosen + 1);
  }
}

TEST(IcoReader, SizeInHimetricComesFromTheChosenImage) {
  const Bytes icon32 = BuildIco({{.data = IconDib24(Solid(32, kRed), Solid(32, 0))}});
  const Bytes icon16 =
      BuildIco({{.width = 16, .height = 16, .data = IconDib24(Solid(16, kRed), Solid(16, 0))}});
  EXPECT_EQ(LoadPictureFromMemory(icon32)->Width(), 847);
  EXPECT_EQ(LoadPictureFromMemory(icon32)->Height(), 847);
  EXPECT_EQ(LoadPictureFromMemory(icon16)->Width(), 423);
}

TEST(IcoReader, Keeps32BitAlphaUnlessItIsAllZero) {
  const Bytes with_alpha = BuildIco(
      {{.width = 2, .height = 1, .bit_count = 32, .data = IconDib32({{0x80FF0000, 0x000000FF}}, {{0, 1}})}});
  StdPictureRef picture = LoadPictureFromMemory(with_alpha);
  EXPECT_EQ(Pixels(picture->icon().color), (Grid{{kRed, kBlue}}));
  EXPECT_EQ(picture->icon().alpha, (std::vector<uint8_t>{128, 0}));

  const Bytes zero_alpha = BuildIco(
      {{.width = 2, .height = 1, .bit_count = 32, .data = IconDib32({{0x00FF0000, 0x000000FF}}, {{0, 1}})}});
  picture = LoadPictureFromMemory(zero_alpha);
  EXPECT_TRUE(picture->icon().alpha.empty());
  EXPECT_EQ(Pixels(picture->icon().mask), (Grid{{0, 1}}));
}

TEST(IcoReader, Derives32BitMaskFromAlphaWhenTheAndMaskIsMissing) {
  Bytes dib = IconDib32({{0xFFFF0000, 0x000000FF}}, {{0, 0}});
  dib.resize(dib.size() - 4);  // drop the one mask row
  StdPictureRef picture =
      LoadPictureFromMemory(BuildIco({{.width = 2, .height = 1, .bit_count = 32, .data = dib}}));
  EXPECT_EQ(Pixels(picture->icon().mask), (Grid{{0, 1}}));
}

TEST(IcoReader, ReadsPngEntryWithAlpha) {
  const Bytes png =
      BuildPng({.width = 2, .height = 1, .color_type = 6, .samples = {255, 0, 0, 255, 0, 0, 255, 0}});
  StdPictureRef picture =
      LoadPictureFromMemory(BuildIco({{.width = 2, .height = 1, .bit_count = 32, .data = png}}));
  ASSERT_EQ(picture->Type(), PictureType::kIcon);
  EXPECT_EQ(Pixels(picture->icon().color), (Grid{{kRed, kBlue}}));
  EXPECT_EQ(picture->icon().alpha, (std::vector<uint8_t>{255, 0}));
  EXPECT_EQ(Pixels(picture->icon().mask), (Grid{{0, 1}}));
}

TEST(IcoReader, RefusesDamagedAndHostileFiles) {
  const Bytes dib = IconDib24({{kRed, kGreen}, {kBlue, kWhite}}, {{0, 1}, {1, 0}});
  Bytes top_down = dib;
  top_down[8] = 0xFC;  // height -4
  top_down[9] = top_down[10] = top_down[11] = 0xFF;
  Bytes rle = dib;
  rle[16] = 1;
  Bytes truncated_directory = BuildIco({{.data = dib}});
  truncated_directory[4] = 200;
  Bytes cursor = BuildIco({{.data = dib}});
  cursor[2] = 2;
  struct Case {
    const char* name;
    Bytes file;
  };
  const Case cases[] = {
      {"no entries", BuildIco({})},
      {"directory shorter than its count", truncated_directory},
      {"entry past the end", BuildIco({{.data = dib, .offset = 1 << 20}})},
      {"entry size past the end", BuildIco({{.data = dib, .size = 1 << 20}})},
      {"entry offset and size wrapping", BuildIco({{.data = dib, .offset = 0xFFFFFFF0, .size = 0x20}})},
      {"empty entry", BuildIco({{.data = dib, .size = 0}})},
      {"24-bit entry without its mask", BuildIco({{.data = Bytes(dib.begin(), dib.end() - 8)}})},
      {"XOR image cut short", BuildIco({{.data = Bytes(dib.begin(), dib.begin() + 45)}})},
      {"top-down DIB", BuildIco({{.data = top_down}})},
      {"compressed DIB", BuildIco({{.data = rle}})},
      {"cursor file", cursor},
      {"damaged PNG entry", BuildIco({{.data = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 1, 2, 3}}})},
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
