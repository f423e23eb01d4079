#include <gtest/gtest.h>

#include <cstdint>

#include "platform/errors/host_error.h"
#include "platform/ole_color.h"
#include "platform/raster/bitmap.h"

namespace vellumar {
namespace {

TEST(RasterColor, LunaTableHoldsTheXpDefaults) {
  struct Case {
    int index;
    ColorRef rgb;
  };
  const Case cases[] = {
      {kColorWindow, Rgb(255, 255, 255)},          {kColorHighlight, Rgb(49, 106, 197)},
      {kColorButtonFace, Rgb(236, 233, 216)},      {kColorButtonShadow, Rgb(172, 168, 153)},
      {kColorGrayText, Rgb(172, 168, 153)},        {kColorButtonText, Rgb(0, 0, 0)},
      {kColorButtonHighlight, Rgb(255, 255, 255)}, {kColor3dDarkShadow, Rgb(113, 111, 100)},
      {kColor3dLight, Rgb(241, 239, 226)},         {kColorHotLight, Rgb(0, 0, 128)},
      {kColorMenuHighlight, Rgb(49, 106, 197)},    {kColorMenuBar, Rgb(236, 233, 216)},
      {kColorInfoBackground, Rgb(255, 255, 225)},  {kColorActiveCaption, Rgb(0, 84, 227)},
  };
  for (const Case& c : cases) EXPECT_EQ(GetSysColor(c.index), c.rgb) << "index " << c.index;
}

TEST(RasterColor, IndicesOutsideTheTableReadAsZero) {
  EXPECT_EQ(GetSysColor(-1), 0u);
  EXPECT_EQ(GetSysColor(kSystemColorCount), 0u);
  EXPECT_EQ(GetSysColor(0x7FFFFFFF), 0u);
}

TEST(RasterColor, TranslationByKindOfColour) {
  struct Case {
    OleColor in;
    bool ok;
    ColorRef out;
  };
  const Case cases[] = {
      {0x00000000, true, 0x000000},
      {0x00FF00FF, true, 0xFF00FF},
      {0x00123456, true, 0x123456},
      {0x80000012, true, GetSysColor(kColorButtonText)},
      {0x8000000F, true, Rgb(236, 233, 216)},
      {0x80000000, true, GetSysColor(0)},
      {0x80000019, true, 0x000000},
      {0x8000001E, true, Rgb(236, 233, 216)},
      {0x8000001F, false, 0},
      {0x800000FF, false, 0},
      {0x80000112, false, 0},
      {0x80FFFFFF, false, 0},
      {0x02123456, true, 0x123456},
      {0x01000003, false, 0},
      {0x03000000, false, 0},
      {0x7F000000, false, 0},
      {0xFF000000, false, 0},
      {0xFFFFFFFF, false, 0},
  };
  for (const Case& c : cases) {
    ColorRef rgb = 0xDEADBEEF;
    EXPECT_EQ(OleTranslateColor(c.in, rgb), c.ok) << std::hex << c.in;
    EXPECT_EQ(rgb, c.ok ? c.out : 0xDEADBEEF) << std::hex << c.in;
  }
}

TEST(RasterBitmap, SizeLimitThrowsOutOfMemoryWithoutAllocating) {
  struct Case {
    int32_t width;
    int32_t height;
  };
  // 65536 x 65536 wraps to 0 in 32 bits; 2^31-1 squared overflows 32 and 63 bits of naive int arithmetic.
  const Case too_big[] = {{8193, 8192}, {65536, 65536}, {INT32_MAX, INT32_MAX}, {INT32_MAX, 2}, {1, 1 << 27}};
  for (const Case& c : too_big) {
    try {
      Bitmap b(c.width, c.height);
      ADD_FAILURE() << c.width << " x " << c.height << " was accepted";
    } catch (const HostError& e) {
      EXPECT_EQ(e.number(), kErrOutOfMemory);
    }
  }
}

TEST(RasterBitmap, DegenerateSizesGiveEmptyBitmaps) {
  for (const auto& [w, h] : {std::pair{0, 5}, {5, 0}, {-1, 5}, {INT32_MIN, INT32_MIN}, {INT32_MAX, -1}}) {
    const Bitmap b(w, h);
    EXPECT_TRUE(b.empty());
    EXPECT_EQ(b.width(), 0);
    EXPECT_EQ(b.height(), 0);
    EXPECT_TRUE(b.pixels().empty());
    EXPECT_FALSE(b.Contains(0, 0));
  }
  const Bitmap small(3, 2);
  EXPECT_EQ(small.pixels(), std::vector<uint32_t>(6, 0));
}

}  // namespace
}  // namespace vellumar
